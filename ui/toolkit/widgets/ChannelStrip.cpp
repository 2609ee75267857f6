#include "ui/toolkit/widgets/ChannelStrip.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/StripParts.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QVBoxLayout>
#include <utility>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(84, 420);
constexpr char kSmallKnob[] = "res/common/img_slider_small.png";
constexpr int kPadding = 3;
constexpr int kSpacing = 4;
constexpr int kButtonHeight = 32;
constexpr int kNamePixelSize = 16;
constexpr int kButtonPixelSize = 14;
constexpr int kLevelPixelSize = 12;
constexpr int kTickPixelSize = 10;
constexpr int kRadius = 4;

} // namespace

ChannelStrip::ChannelStrip(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::theme())
    , m_name(makeStripLabel(this, QStringLiteral("CH"), fonts.fontOfSize(kNamePixelSize)))
    , m_enter(makeStripButton(this, "ENTER", ButtonColour::Blue, false,
                              fonts.fontOfSize(kButtonPixelSize), kButtonHeight))
    , m_fader(new Fader(images, this))
    , m_level(makeStripLabel(this, faderLevelText(0.0, UnitDisplay::Shown),
                             fonts.fontOfSize(kLevelPixelSize)))
    , m_off(makeStripButton(this, "OFF", ButtonColour::Teal, true,
                            fonts.fontOfSize(kButtonPixelSize), kButtonHeight))
    , m_mute(makeStripButton(this, "MUTE", ButtonColour::Red, true,
                             fonts.fontOfSize(kButtonPixelSize), kButtonHeight))
    , m_solo(makeStripButton(this, "SOLO", ButtonColour::Orange, true,
                             fonts.fontOfSize(kButtonPixelSize), kButtonHeight)) {
    setRadius(kRadius);
    setPadding(kPadding);
    setAccessibleRole(QAccessible::Grouping);

    m_fader->setKnobImage(QString::fromLatin1(kSmallKnob));
    m_fader->setFont(fonts.fontOfSize(kTickPixelSize));
    m_fader->setTrackCentred(true);
    m_fader->setTickLength(3);
    m_fader->setTickGap(1);
    m_fader->setHighlightRadius(8);
    m_fader->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_enter->hide();
    m_off->hide();
    m_level->hide();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    for (QWidget* child : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_enter),
                           static_cast<QWidget*>(m_fader), static_cast<QWidget*>(m_level),
                           static_cast<QWidget*>(m_off), static_cast<QWidget*>(m_mute),
                           static_cast<QWidget*>(m_solo)}) {
        column->addWidget(child);
    }

    for (const auto& [button, action] :
         {std::pair{m_enter, Enter}, {m_off, Off}, {m_mute, Mute}, {m_solo, Solo}}) {
        connect(button, &StyledWidget::clicked, this, [this, action] { emit actionTaken(action); });
    }
    connect(m_fader, &Fader::valueChanged, this, [this](double decibels) {
        m_level->setText(faderLevelText(decibels, UnitDisplay::Shown));
        emit actionTaken(FaderMoved);
    });
    setName(m_name->text());
}

void ChannelStrip::setName(const QString& name) {
    m_name->setText(name);
    setAccessibleName(name);
    m_fader->setAccessibleName(name);
}

QString ChannelStrip::name() const {
    return m_name->text();
}

void ChannelStrip::setMuted(bool muted) {
    m_mute->setChecked(muted);
}

void ChannelStrip::setSoloed(bool soloed) {
    m_solo->setChecked(soloed);
}

void ChannelStrip::setOff(bool off) {
    m_off->setChecked(off);
}

void ChannelStrip::setFaderLevel(double decibels) {
    m_fader->setValue(decibels);
    m_level->setText(faderLevelText(decibels, UnitDisplay::Shown));
}

double ChannelStrip::faderLevel() const {
    return m_fader->value();
}

void ChannelStrip::setEnterShown(bool shown) {
    m_enter->setVisible(shown);
}

void ChannelStrip::setOffShown(bool shown) {
    m_off->setVisible(shown);
}

void ChannelStrip::setLevelTextShown(bool shown) {
    m_level->setVisible(shown);
}

QSize ChannelStrip::sizeHint() const {
    return kDefaultSize;
}

} // namespace v32
