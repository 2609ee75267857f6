#include "ui/pages/home/MainStrip.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/StripParts.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr char kSmallKnob[] = "res/common/img_slider_small.png";
constexpr int kButtonHeight = 32;
constexpr int kSidePixels = 16;
constexpr int kButtonPixels = 14;
constexpr int kLevelPixels = 12;
constexpr int kPadding = 3;
constexpr int kSpacing = 4;
constexpr int kRadius = 4;

} // namespace

MainStrip::MainStrip(FontCache& fonts, ImageCache& images, const QString& side, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::theme())
    , m_side(makeStripLabel(this, side, fonts.fontOfSize(kSidePixels)))
    , m_mute(makeStripButton(this, "M", ButtonColour::Red, true, fonts.fontOfSize(kButtonPixels),
                             kButtonHeight))
    , m_solo(makeStripButton(this, "S", ButtonColour::Teal, true, fonts.fontOfSize(kButtonPixels),
                             kButtonHeight))
    , m_fader(new Fader(images, this))
    , m_level(makeStripLabel(this, QStringLiteral("0dB"), fonts.fontOfSize(kLevelPixels))) {
    setRadius(kRadius);
    setPadding(kPadding);
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(side);
    m_fader->setAccessibleName(side);
    m_fader->setKnobImage(QString::fromLatin1(kSmallKnob));
    m_fader->setLabelsShown(false);
    m_fader->setTrackCentred(true);
    m_fader->setTickLength(3);
    m_fader->setHighlightRadius(8);
    m_fader->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_side);
    column->addWidget(m_mute);
    column->addWidget(m_solo);
    column->addWidget(m_fader, 1);
    column->addWidget(m_level);

    connect(m_mute, &StyledWidget::clicked, this, [this] { report(Mute); });
    connect(m_solo, &StyledWidget::clicked, this, [this] { report(Solo); });
    connect(m_fader, &Fader::valueChanged, this, [this](double decibels) {
        m_level->setText(faderLevelText(decibels, UnitDisplay::Shown));
        report(FaderMoved);
    });
}

void MainStrip::setMuted(bool muted) {
    m_mute->setChecked(muted);
}

void MainStrip::setSoloed(bool soloed) {
    m_solo->setChecked(soloed);
}

void MainStrip::setFaderLevel(double decibels) {
    m_fader->setValue(decibels);
    m_level->setText(faderLevelText(decibels, UnitDisplay::Shown));
}

void MainStrip::report(Action action) {
    if (m_callback) {
        m_callback(action);
    }
}

} // namespace v32
