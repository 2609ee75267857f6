#include "ui/pages/home/FaderPageSendStrip.h"

#include "app/core/Translation.h"
#include "app/model/StereoSendMode.h"
#include "ui/pages/home/FaderPageColourBar.h"
#include "ui/pages/home/FaderPageNameText.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/ChannelStrip.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(56, 360);
constexpr int kPadding = 2;
constexpr int kSpacing = 3;
constexpr int kRadius = 4;
constexpr int kButtonHeight = 26;
constexpr int kNamePixelSize = 11;
constexpr int kButtonPixelSize = 11;

} // namespace

FaderPageSendStrip::FaderPageSendStrip(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::theme())
    , m_colourBar(new FaderPageColourBar(this))
    , m_strip(new ChannelStrip(fonts, images, this))
    , m_pre(makeButton("PRE", fonts.fontOfSize(kButtonPixelSize), PreFader))
    , m_post(makeButton("POS", fonts.fontOfSize(kButtonPixelSize), PostFader))
    , m_left(makeButton("L", fonts.fontOfSize(kButtonPixelSize), LeftSide))
    , m_right(makeButton("R", fonts.fontOfSize(kButtonPixelSize), RightSide))
    , m_sides(makeRow(m_left, m_right)) {
    setRadius(kRadius);
    setPadding(kPadding);
    setAccessibleRole(QAccessible::Grouping);

    // The strip's own box gives way to this one, which also holds the send buttons.
    m_strip->setBoxStyle(BoxStyle::plain());
    m_strip->setPadding(0);
    m_strip->fader()->useSendTable();
    m_strip->setLevelTextShown(true);
    m_strip->nameLabel()->setFont(fonts.fontOfSize(kNamePixelSize));
    // Long names are cut to the strip's width instead of widening the row.
    m_strip->nameLabel()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_strip->levelLabel()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_strip->nameLabel()->installEventFilter(this);
    for (Button* button : {m_strip->muteButton(), m_strip->soloButton()}) {
        button->setFont(fonts.fontOfSize(kButtonPixelSize));
        button->setFixedHeight(kButtonHeight);
    }
    connect(m_strip, &ChannelStrip::actionTaken, this, [this](ChannelStrip::Action action) {
        switch (action) {
        case ChannelStrip::Mute:
            report(Mute);
            break;
        case ChannelStrip::Solo:
            report(Solo);
            break;
        case ChannelStrip::FaderMoved:
            report(LevelMoved);
            break;
        default:
            break;
        }
    });

    // The side row keeps its place while hidden, so that the faders of a row stay level.
    QSizePolicy keepPlace = m_sides->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_sides->setSizePolicy(keepPlace);
    m_sides->hide();
    // Before the fader it glows like SOLO, after it green.
    m_pre->setColour(FlatButtonColour::Orange);
    m_post->setColour(FlatButtonColour::Green);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_colourBar);
    column->addWidget(m_strip, 1);
    column->addWidget(makeRow(m_pre, m_post));
    column->addWidget(m_sides);
}

FlatButton* FaderPageSendStrip::makeButton(const char* caption, const QFont& font, Action action) {
    auto* button = new FlatButton(this, QString::fromUtf8(translate(caption)));
    button->setFont(font);
    button->setFixedHeight(kButtonHeight);
    button->setMinimumWidth(0);
    connect(button, &StyledWidget::clicked, this, [this, action] { report(action); });
    return button;
}

QWidget* FaderPageSendStrip::makeRow(FlatButton* first, FlatButton* second) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    first->setParent(row);
    second->setParent(row);
    layout->addWidget(first);
    layout->addWidget(second);
    return row;
}

void FaderPageSendStrip::report(Action action) {
    if (m_callback) {
        m_callback(action);
    }
}

void FaderPageSendStrip::setName(const QString& name) {
    m_name = name;
    showName();
}

void FaderPageSendStrip::setColour(std::uint16_t colour) {
    m_colourBar->setColour(colour);
}

QString FaderPageSendStrip::name() const {
    return m_name;
}

void FaderPageSendStrip::showName() {
    const QString shown = fittedName(m_name, *m_strip->nameLabel());
    m_strip->setName(shown);
    setAccessibleName(shown);
}

// The name is cut again to the width its label has been given.
bool FaderPageSendStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_strip->nameLabel() && event->type() == QEvent::Resize) {
        showName();
    }
    return StyledWidget::eventFilter(watched, event);
}

void FaderPageSendStrip::setMuted(bool muted) {
    m_strip->setMuted(muted);
}

void FaderPageSendStrip::setSoloed(bool soloed) {
    m_strip->setSoloed(soloed);
}

void FaderPageSendStrip::setSendLevel(double decibels) {
    m_strip->setFaderLevel(decibels);
}

double FaderPageSendStrip::sendLevel() const {
    return m_strip->faderLevel();
}

void FaderPageSendStrip::setPreFader(bool preFader) {
    m_pre->setChecked(preFader);
    m_post->setChecked(!preFader);
}

void FaderPageSendStrip::setSidesShown(bool shown) {
    m_sides->setVisible(shown);
}

void FaderPageSendStrip::setSides(int mode) {
    m_left->setChecked((mode & StereoSendMode::kLeft) != 0);
    m_right->setChecked((mode & StereoSendMode::kRight) != 0);
}

QSize FaderPageSendStrip::sizeHint() const {
    return kDefaultSize;
}

} // namespace v32
