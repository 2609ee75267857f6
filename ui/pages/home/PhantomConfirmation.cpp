#include "ui/pages/home/PhantomConfirmation.h"

#include "app/core/Translation.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr QSize kPanelSize(520, 240);
constexpr QSize kButtonSize(160, 56);
constexpr int kPanelRadius = 12;
constexpr int kPanelPadding = 24;
constexpr int kQuestionPixels = 24;
constexpr int kButtonPixels = 22;

Button* makeAnswer(QWidget* parent, const char* caption, ButtonColour colour, const QFont& font) {
    auto* button = new Button(parent, QString::fromUtf8(translate(caption)));
    button->setColour(colour);
    button->setFont(font);
    button->setFixedSize(kButtonSize);
    return button;
}

} // namespace

PhantomConfirmation::PhantomConfirmation(QWidget* parent, FontCache& fonts)
    : OverlayLayer(parent) {
    setBackground(palette::kBlack, kDimOpacity);
    setTakesTouches(true);

    auto* panel = new StyledWidget(this, kPanelSize);
    panel->setFixedSize(kPanelSize);
    panel->setBackground(kPanelBackground);
    panel->setBorder(2, kPanelBorder);
    panel->setRadius(kPanelRadius);
    panel->setPadding(kPanelPadding);
    panel->setAccessibleRole(QAccessible::Dialog);

    m_question = new TextLabel(
        panel, QString::fromUtf8(translate("Are you sure to turn on the phantom power?")));
    m_question->setFont(fonts.fontOfSize(kQuestionPixels));
    m_question->setWordWrap(true);
    m_question->setAccessibleRole(QAccessible::StaticText);
    panel->setAccessibleName(m_question->text());
    setAccessibleName(m_question->text());

    const QFont buttonFont = fonts.fontOfSize(kButtonPixels);
    m_no = makeAnswer(panel, "NO", ButtonColour::Blue, buttonFont);
    m_yes = makeAnswer(panel, "YES", ButtonColour::Red, buttonFont);
    connect(m_no, &StyledWidget::clicked, this, [this] { answer(false); });
    connect(m_yes, &StyledWidget::clicked, this, [this] { answer(true); });

    auto* answers = new QHBoxLayout;
    answers->setSpacing(kPanelPadding);
    answers->addStretch(1);
    answers->addWidget(m_no);
    answers->addWidget(m_yes);
    answers->addStretch(1);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_question, 1);
    column->addLayout(answers);

    applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Center, FlexAlign::Center, FlexAlign::Center,
                   0)
        ->addWidget(panel);
    hide();
}

void PhantomConfirmation::ask(std::function<void()> onYes) {
    m_onYes = std::move(onYes);
    showOnTop();
}

void PhantomConfirmation::dismiss() {
    m_onYes = nullptr;
    hide();
}

void PhantomConfirmation::answer(bool yes) {
    std::function<void()> onYes = std::move(m_onYes);
    dismiss();
    if (yes && onYes) {
        onYes();
    }
}

} // namespace v32
