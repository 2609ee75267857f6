#include "ui/toolkit/widgets/CompactStrip.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/StripParts.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <utility>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(76, 274);
constexpr char kSmallKnob[] = "res/common/img_slider_small.png";
constexpr int kPadding = 3;
constexpr int kSpacing = 3;
constexpr double kNameHeightShare = 0.13;
constexpr int kButtonHeight = 28;
constexpr int kExtraColumnWidth = 22;
constexpr int kExtraButtonHeight = 24;
constexpr int kButtonPixelSize = 14;
constexpr int kExtraPixelSize = 10;
constexpr int kLevelPixelSize = 12;
constexpr int kTickPixelSize = 10;
constexpr int kRadius = 4;

FlatButton* makeExtraButton(QWidget* parent, const QFont& font) {
    auto* button = new FlatButton(parent);
    button->setFont(font);
    button->setFixedHeight(kExtraButtonHeight);
    return button;
}

} // namespace

CompactStrip::CompactStrip(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::theme())
    , m_name(makeStripButton(this, "", ButtonColour::Blue, false,
                             fonts.fontOfSize(kButtonPixelSize), kButtonHeight))
    , m_mute(makeStripButton(this, "M", ButtonColour::Red, true, fonts.fontOfSize(kButtonPixelSize),
                             kButtonHeight))
    , m_solo(makeStripButton(this, "S", ButtonColour::Teal, true,
                             fonts.fontOfSize(kButtonPixelSize), kButtonHeight))
    , m_fader(new Fader(images, this))
    , m_extraColumn(new QWidget(this))
    , m_firstExtra(makeExtraButton(m_extraColumn, fonts.fontOfSize(kExtraPixelSize)))
    , m_secondExtra(makeExtraButton(m_extraColumn, fonts.fontOfSize(kExtraPixelSize)))
    , m_level(makeStripLabel(this, faderLevelText(0.0, UnitDisplay::Omitted),
                             fonts.fontOfSize(kLevelPixelSize))) {
    setRadius(kRadius);
    setPadding(kPadding);
    setAccessibleRole(QAccessible::Grouping);

    m_fader->setKnobImage(QString::fromLatin1(kSmallKnob));
    m_fader->setFont(fonts.fontOfSize(kTickPixelSize));
    m_fader->setTrackCentred(true);
    m_fader->setTickLength(4);
    m_fader->setTickGap(4);
    m_fader->setTrackOffset(4);
    m_fader->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* extras = new QVBoxLayout(m_extraColumn);
    extras->setContentsMargins(0, 0, 0, 0);
    extras->setSpacing(kSpacing);
    extras->addStretch(1);
    extras->addWidget(m_firstExtra);
    extras->addWidget(m_secondExtra);
    m_extraColumn->setFixedWidth(kExtraColumnWidth);
    m_extraColumn->hide();

    auto* muteSolo = new QHBoxLayout;
    muteSolo->setSpacing(kSpacing);
    muteSolo->addWidget(m_mute);
    muteSolo->addWidget(m_solo);

    auto* faderRow = new QHBoxLayout;
    faderRow->setSpacing(0);
    faderRow->addWidget(m_fader);
    faderRow->addWidget(m_extraColumn);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_name);
    column->addLayout(muteSolo);
    column->addLayout(faderRow, 1);
    column->addWidget(m_level);

    const std::pair<StyledWidget*, Action> clickActions[] = {
        {m_name, Name},
        {m_mute, Mute},
        {m_solo, Solo},
        {m_fader, FaderClicked},
        {m_firstExtra, FirstExtra},
        {m_secondExtra, SecondExtra},
    };
    for (const auto& [child, action] : clickActions) {
        connect(child, &StyledWidget::clicked, this, [this, action] { emit actionTaken(action); });
    }
    connect(m_fader, &Fader::valueChanged, this, [this](double decibels) {
        m_level->setText(faderLevelText(decibels, UnitDisplay::Omitted));
        emit actionTaken(FaderMoved);
    });
    setName(QStringLiteral("CH1"));
}

void CompactStrip::setName(const QString& name) {
    m_name->setText(name);
    setAccessibleName(name);
    m_fader->setAccessibleName(name);
}

QString CompactStrip::name() const {
    return m_name->text();
}

void CompactStrip::setMuted(bool muted) {
    m_mute->setChecked(muted);
}

void CompactStrip::setSoloed(bool soloed) {
    m_solo->setChecked(soloed);
}

void CompactStrip::setFaderLevel(double decibels) {
    m_fader->setValue(decibels);
    m_level->setText(faderLevelText(decibels, UnitDisplay::Omitted));
}

double CompactStrip::faderLevel() const {
    return m_fader->value();
}

void CompactStrip::setExtraButtons(const QString& first, const QString& second) {
    m_firstExtra->setText(first);
    m_secondExtra->setText(second);
    m_firstExtra->setVisible(!first.isEmpty());
    m_secondExtra->setVisible(!second.isEmpty());
    m_extraColumn->setVisible(!first.isEmpty() || !second.isEmpty());
}

// The name button keeps its share of the strip's height whatever size the page gives it.
void CompactStrip::resizeEvent(QResizeEvent* event) {
    m_name->setFixedHeight(static_cast<int>(height() * kNameHeightShare));
    StyledWidget::resizeEvent(event);
}

QSize CompactStrip::sizeHint() const {
    return kDefaultSize;
}

} // namespace v32
