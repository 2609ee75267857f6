#include "ui/pages/home/FaderPageSidePanel.h"

#include "app/core/Translation.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/TextLabel.h"
#include "ui/toolkit/widgets/TitledPanel.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr std::uint16_t kPanelBackground = palette::kGrey12;
constexpr std::uint16_t kCaptionColour = palette::kGrey77;
constexpr int kPadding = 6;
constexpr int kSpacing = 6;
constexpr int kRadius = 6;
constexpr int kPageSelectionHeight = 76;
constexpr int kSelectorHeight = 36;
constexpr int kSelectorPixelSize = 16;
constexpr int kPageLabelPixelSize = 16;
constexpr int kCaptionPixelSize = 14;
constexpr int kBusColumns = 2;

TextLabel* makeCaption(QWidget* parent, const char* caption, FontCache& fonts) {
    auto* label = new TextLabel(parent);
    label->setCaption(caption);
    label->setFont(fonts.fontOfSize(kCaptionPixelSize));
    label->setTextColour(kCaptionColour);
    return label;
}

} // namespace

FaderPageSidePanel::FaderPageSidePanel(FontCache& fonts, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_pageSelection(new TitledPanel(this))
    , m_pageLabel(new TextLabel(m_pageSelection->body())) {
    setBackground(kPanelBackground);
    setRadius(kRadius);
    setPadding(kPadding);
    setAccessibleRole(QAccessible::Grouping);
    setFixedWidth(kWidth);

    m_pageSelection->setTitle(QString::fromUtf8(translate("PAGE SELECTION")));
    m_pageSelection->setFont(fonts.fontOfSize(kCaptionPixelSize));
    m_pageSelection->setFixedHeight(kPageSelectionHeight);
    m_pageLabel->setFont(fonts.fontOfSize(kPageLabelPixelSize));
    auto* body = new QVBoxLayout(m_pageSelection->body());
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_pageLabel);
    connect(m_pageSelection, &StyledWidget::clicked, this,
            &FaderPageSidePanel::pageSelectionClicked);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_pageSelection);
    column->addSpacing(kSpacing);
    column->addWidget(makeCaption(this, "SENDS ON FADERS", fonts));
    column->addWidget(makeBusGrid(fonts));
    column->addStretch(1);
}

QWidget* FaderPageSidePanel::makeBusGrid(FontCache& fonts) {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    int place = 0;
    const auto addSelector = [&](const QString& caption) {
        FlatButton* button = makeSelector(area, caption, fonts);
        grid->addWidget(button, place / kBusColumns, place % kBusColumns);
        ++place;
        return button;
    };
    for (int index = 0; index < SendOnFader::kAuxCount; ++index) {
        const SendBus bus{SendBus::Type::Aux, index};
        m_aux[static_cast<std::size_t>(index)] =
            addSelector(QStringLiteral("AUX%1").arg(index + 1));
        connect(busButton(bus), &StyledWidget::clicked, this, [this, bus] { emit busChosen(bus); });
    }
    for (int index = 0; index < SendOnFader::kEffectCount; ++index) {
        const SendBus bus{SendBus::Type::Effect, index};
        m_effects[static_cast<std::size_t>(index)] =
            addSelector(QStringLiteral("FX%1").arg(index + 1));
        connect(busButton(bus), &StyledWidget::clicked, this, [this, bus] { emit busChosen(bus); });
    }
    const int mainRow = place / kBusColumns + 1;
    grid->addWidget(makeCaption(area, "MAIN", fonts), mainRow, 0, 1, kBusColumns);
    place = (mainRow + 1) * kBusColumns;
    for (std::size_t side = 0; side < m_main.size(); ++side) {
        m_main[side] = addSelector(QString::fromUtf8(translate(side == 0 ? "L" : "R")));
        connect(m_main[side], &StyledWidget::clicked, this, &FaderPageSidePanel::mainChosen);
    }
    return area;
}

FlatButton* FaderPageSidePanel::makeSelector(QWidget* parent, const QString& caption,
                                             FontCache& fonts) {
    auto* button = new FlatButton(parent, caption);
    button->setFont(fonts.fontOfSize(kSelectorPixelSize));
    button->setFixedHeight(kSelectorHeight);
    return button;
}

void FaderPageSidePanel::setPageLabel(const QString& label) {
    m_pageLabel->setText(label);
    m_pageSelection->setAccessibleName(m_pageSelection->title() + QLatin1Char(' ') + label);
}

QString FaderPageSidePanel::pageLabel() const {
    return m_pageLabel->text();
}

void FaderPageSidePanel::showSendsOn(std::optional<SendBus> bus) {
    for (int index = 0; index < SendOnFader::kAuxCount; ++index) {
        const SendBus aux{SendBus::Type::Aux, index};
        busButton(aux)->setChecked(bus == aux);
    }
    for (int index = 0; index < SendOnFader::kEffectCount; ++index) {
        const SendBus effect{SendBus::Type::Effect, index};
        busButton(effect)->setChecked(bus == effect);
    }
    for (FlatButton* main : m_main) {
        main->setChecked(!bus);
    }
}

FlatButton* FaderPageSidePanel::busButton(SendBus bus) const {
    if (!SendOnFader::isBus(bus)) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(bus.index);
    return bus.type == SendBus::Type::Aux ? m_aux[index] : m_effects[index];
}

FlatButton* FaderPageSidePanel::mainButton(int side) const {
    return side == 0 || side == 1 ? m_main[static_cast<std::size_t>(side)] : nullptr;
}

} // namespace v32
