#include "ui/toolkit/widgets/BriefStrip.h"

#include "app/core/Translation.h"
#include "ui/toolkit/graphs/EqCompactGraph.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/PanSlider.h"
#include "ui/toolkit/widgets/ScaleMeter.h"
#include "ui/toolkit/widgets/StripParts.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <utility>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(140, 272);
constexpr char kSmallestKnob[] = "res/common/img_slider_smallest.png";
constexpr int kPadding = 3;
constexpr int kSpacing = 3;
constexpr int kRowHeight = 26;
constexpr int kPhantomWidth = 40;
constexpr int kPanHeight = 16;
constexpr int kLampWidth = 34;
constexpr int kLampHeight = 18;
constexpr int kButtonPixelSize = 12;
constexpr int kNamePixelSize = 14;
constexpr int kTextPixelSize = 12;
constexpr int kSmallPixelSize = 10;
constexpr int kRadius = 4;

FlatButton* makeLamp(QWidget* parent, const char* caption, const QFont& font) {
    auto* lamp = new FlatButton(parent, QString::fromUtf8(translate(caption)));
    lamp->setColour(FlatButtonColour::Green);
    lamp->setFont(font);
    lamp->setClickable(false);
    lamp->setAccessibleRole(QAccessible::Indicator);
    lamp->setFixedSize(kLampWidth, kLampHeight);
    return lamp;
}

QString gainText(double decibels) {
    return QStringLiteral("%1\n%2dB")
        .arg(QString::fromUtf8(translate("GAIN")), QString::asprintf("%.1f", decibels));
}

} // namespace

BriefStrip::BriefStrip(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::theme())
    , m_name(makeStripButton(this, "", ButtonColour::Blue, false, fonts.fontOfSize(kNamePixelSize),
                             kRowHeight))
    , m_gain(makeStripLabel(this, gainText(-119.9), fonts.fontOfSize(kTextPixelSize)))
    , m_phantom(makeStripButton(this, "48v", ButtonColour::Red, true,
                                fonts.fontOfSize(kButtonPixelSize), kRowHeight))
    , m_eq(new EqCompactGraph(this, kDefaultEqBands))
    , m_pan(new PanSlider(this))
    , m_leftMeter(new ScaleMeter(this))
    , m_rightMeter(new ScaleMeter(this))
    , m_fader(new Fader(images, this))
    , m_gate(makeLamp(this, "G", fonts.fontOfSize(kSmallPixelSize)))
    , m_compressor(makeLamp(this, "C", fonts.fontOfSize(kSmallPixelSize)))
    , m_mute(makeStripButton(this, "M", ButtonColour::Red, true, fonts.fontOfSize(kButtonPixelSize),
                             kRowHeight))
    , m_solo(makeStripButton(this, "S", ButtonColour::Teal, true,
                             fonts.fontOfSize(kButtonPixelSize), kRowHeight))
    , m_level(makeStripLabel(this, QStringLiteral("0dB"), fonts.fontOfSize(kTextPixelSize))) {
    setRadius(kRadius);
    setPadding(kPadding);
    setAccessibleRole(QAccessible::Grouping);

    m_pan->setFont(fonts.fontOfSize(kSmallPixelSize));
    m_pan->setFixedHeight(kPanHeight);
    m_phantom->setFixedWidth(kPhantomWidth);
    m_rightMeter->setLabelsShown(false);
    for (ScaleMeter* meter : {m_leftMeter, m_rightMeter}) {
        meter->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    m_fader->setKnobImage(QString::fromLatin1(kSmallestKnob));
    m_fader->setLabelsShown(false);
    m_fader->setTrackCentred(true);
    m_fader->setTickLength(4);
    m_fader->setHighlightRadius(8);
    m_fader->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (Button* button : {m_mute, m_solo}) {
        button->setFixedWidth(kLampWidth);
    }
    layOut();

    for (const auto& [button, action] :
         {std::pair{m_name, Name}, {m_mute, Mute}, {m_solo, Solo}, {m_phantom, Phantom}}) {
        connect(button, &StyledWidget::clicked, this, [this, action] { emit actionTaken(action); });
    }
    connect(m_fader, &Fader::valueChanged, this, [this](double decibels) {
        m_level->setText(faderLevelText(decibels, UnitDisplay::Shown));
        emit actionTaken(FaderMoved);
    });
    connect(m_pan, &PanSlider::valueChanged, this, [this] { emit actionTaken(PanMoved); });
    setName(QStringLiteral("CH1"));
}

void BriefStrip::layOut() {
    auto* gainRow = new QHBoxLayout;
    gainRow->setSpacing(kSpacing);
    gainRow->addWidget(m_gain, 1);
    gainRow->addWidget(m_phantom);

    auto* side = new QVBoxLayout;
    side->setSpacing(kSpacing);
    side->addWidget(m_gate);
    side->addWidget(m_compressor);
    side->addStretch(1);
    side->addWidget(m_mute);
    side->addWidget(m_solo);

    auto* faderRow = new QHBoxLayout;
    faderRow->setSpacing(kSpacing);
    auto* meters = new QHBoxLayout;
    meters->setSpacing(1);
    meters->addWidget(m_leftMeter);
    meters->addWidget(m_rightMeter);
    faderRow->addLayout(meters);
    faderRow->addWidget(m_fader, 1);
    faderRow->addLayout(side);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_name);
    column->addLayout(gainRow);
    column->addWidget(m_eq, 0, Qt::AlignHCenter);
    column->addWidget(m_pan);
    column->addLayout(faderRow, 1);
    column->addWidget(m_level);
}

void BriefStrip::setName(const QString& name) {
    m_name->setText(name);
    setAccessibleName(name);
    m_fader->setAccessibleName(name);
    m_pan->setAccessibleName(name);
    m_leftMeter->bar()->setAccessibleName(name);
    m_rightMeter->bar()->setAccessibleName(name);
}

QString BriefStrip::name() const {
    return m_name->text();
}

void BriefStrip::setMuted(bool muted) {
    m_mute->setChecked(muted);
}

void BriefStrip::setSoloed(bool soloed) {
    m_solo->setChecked(soloed);
}

void BriefStrip::setPhantom(bool on) {
    m_phantom->setChecked(on);
}

void BriefStrip::setFaderLevel(double decibels) {
    m_fader->setValue(decibels);
    m_level->setText(faderLevelText(decibels, UnitDisplay::Shown));
}

double BriefStrip::faderLevel() const {
    return m_fader->value();
}

void BriefStrip::setGain(double decibels) {
    m_gain->setText(gainText(decibels));
}

void BriefStrip::setPan(int pan) {
    m_pan->setValue(pan);
}

void BriefStrip::setGateOn(bool on) {
    m_gate->setChecked(on);
}

void BriefStrip::setCompressorOn(bool on) {
    m_compressor->setChecked(on);
}

void BriefStrip::setCompressorCaption(const QString& caption) {
    m_compressor->setText(caption);
}

void BriefStrip::setInputControlsShown(bool shown) {
    for (QWidget* part : {static_cast<QWidget*>(m_gain), static_cast<QWidget*>(m_phantom),
                          static_cast<QWidget*>(m_pan), static_cast<QWidget*>(m_gate)}) {
        part->setVisible(shown);
    }
}

void BriefStrip::setMetersShown(bool shown) {
    m_leftMeter->setVisible(shown);
    m_rightMeter->setVisible(shown);
}

void BriefStrip::setEqBandCount(int count) {
    if (count == m_eq->bandCount()) {
        return;
    }
    auto* replacement = new EqCompactGraph(this, count);
    delete layout()->replaceWidget(m_eq, replacement);
    delete m_eq;
    m_eq = replacement;
}

void BriefStrip::setMeterLevels(std::int8_t left, std::int8_t right) {
    m_leftMeter->setLevel(left, kMeterFallPercent);
    m_rightMeter->setLevel(right, kMeterFallPercent);
}

QSize BriefStrip::sizeHint() const {
    return kDefaultSize;
}

} // namespace v32
