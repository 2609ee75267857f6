#include "GalleryContext.h"
#include "GalleryScenes.h"
#include "ui/toolkit/graphs/EqCompactGraph.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/ChannelSelector.h"
#include "ui/toolkit/widgets/ChannelStrip.h"
#include "ui/toolkit/widgets/CompactStrip.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/IndicatorBar.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/MeterLevel.h"
#include "ui/toolkit/widgets/PanSlider.h"
#include "ui/toolkit/widgets/ScaleMeter.h"
#include "ui/toolkit/widgets/TextLabel.h"
#include "ui/toolkit/widgets/TitledPanel.h"
#include "ui/toolkit/widgets/ValueTile.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <span>

namespace v32 {

namespace {

constexpr std::uint16_t kScreenBackground = palette::kScreenBackground;
constexpr std::uint16_t kCaptionColour = palette::kGrey77;

// The screen's colour behind the widgets, as a page would have it.
QWidget* backdrop(QSize size) {
    auto* widget = new QWidget;
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, rgb565ToColor(kScreenBackground));
    widget->setPalette(palette);
    widget->resize(size);
    return widget;
}

void addCaption(QWidget* screen, GalleryContext& context, const QString& text, QRect area) {
    auto* caption = new TextLabel(screen, text);
    caption->setFont(context.fonts.fontOfSize(12));
    caption->setTextColour(kCaptionColour);
    caption->setGeometry(area);
}

// A finger resting on the knob, so that the picture shows the held look.
void holdKnob(Fader& fader) {
    const QPointF knob = fader.knobRect().center();
    QMouseEvent press(QEvent::MouseButtonPress, knob, fader.mapToGlobal(knob), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fader, &press);
}

QWidget* showFaders(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    QWidget* screen = backdrop(QSize(700, 420));
    struct Sample {
        const char* caption;
        double decibels;
        bool send;
        bool held;
    };
    const Sample samples[] = {
        {"-∞", -120.0, false, false},        {"0 dB", 0.0, false, false},
        {"+10 dB", 10.0, false, false},      {"held at -10 dB", -10.0, false, true},
        {"send -20 dB", -20.0, true, false},
    };
    int left = 10;
    for (const Sample& sample : samples) {
        auto* fader = new Fader(context.images, screen);
        fader->setFont(context.fonts.fontOfSize(12));
        fader->setGeometry(left, 10, 130, 370);
        if (sample.send) {
            fader->useSendTable();
        }
        fader->setValue(sample.decibels);
        if (sample.held) {
            holdKnob(*fader);
        }
        addCaption(screen, context, QString::fromUtf8(sample.caption), QRect(left, 388, 130, 20));
        left += 136;
    }
    return screen;
}

template <typename Widget, typename Colour>
void addButtonRow(QWidget* screen, GalleryContext& context, std::span<const Colour> colours,
                  int top, bool checked) {
    int left = 10;
    for (Colour colour : colours) {
        auto* button = new Widget(screen, QStringLiteral("TYPE %1").arg(static_cast<int>(colour)));
        button->setFont(context.fonts.fontOfSize(14));
        button->setColour(colour);
        button->setChecked(checked);
        button->setGeometry(left, top, 80, 40);
        left += 88;
    }
}

QWidget* showButtons(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    QWidget* screen = backdrop(QSize(720, 470));
    const ButtonColour buttons[] = {ButtonColour::Blue, ButtonColour::Red, ButtonColour::Orange,
                                    ButtonColour::Teal, ButtonColour::Green};
    const FlatButtonColour flats[] = {FlatButtonColour::Blue,   FlatButtonColour::Red,
                                      FlatButtonColour::Orange, FlatButtonColour::Teal,
                                      FlatButtonColour::Green,  FlatButtonColour::DarkGreen,
                                      FlatButtonColour::Purple, FlatButtonColour::Gold};
    addButtonRow<Button, ButtonColour>(screen, context, buttons, 10, false);
    addButtonRow<Button, ButtonColour>(screen, context, buttons, 58, true);
    addButtonRow<FlatButton, FlatButtonColour>(screen, context, flats, 116, false);
    addButtonRow<FlatButton, FlatButtonColour>(screen, context, flats, 164, true);

    auto* barred = new Button(screen, QStringLiteral("LEVEL"));
    barred->setFont(context.fonts.fontOfSize(14));
    barred->setBottomBar(60);
    barred->setGeometry(10, 222, 80, 40);

    const char* tileTitles[] = {"FREQ", "GAIN", "Q"};
    const char* tileValues[] = {"1.00kHz", "+3.0dB", ""};
    for (int i = 0; i < 3; ++i) {
        auto* tile = new ValueTile(screen, QString::fromUtf8(tileTitles[i]));
        tile->setFont(context.fonts.fontOfSize(14));
        tile->setValueText(QString::fromUtf8(tileValues[i]));
        tile->setChecked(i == 1);
        tile->setGeometry(106 + i * 108, 222, 100, 60);
    }

    for (int i = 0; i < 2; ++i) {
        auto* selector = new ChannelSelector(context.images, screen);
        selector->setFont(context.fonts.fontOfSize(16));
        selector->setText(i == 0 ? QStringLiteral("CH1") : QStringLiteral("AUX3"));
        selector->setChecked(i == 1);
        selector->setGeometry(440 + i * 128, 222, 120, 60);
    }

    auto* panel = new TitledPanel(screen);
    panel->setTitle(QStringLiteral("DCA"));
    panel->setBarCount(8);
    const int barValues[] = {10, 35, 60, 85, 100, 70, 45, 20};
    for (int i = 0; i < 8; ++i) {
        panel->setBarValue(i, barValues[i]);
    }
    panel->setGeometry(10, 296, 160, 100);
    auto* checkedPanel = new TitledPanel(screen);
    checkedPanel->setChecked(true);
    checkedPanel->setGeometry(180, 296, 120, 60);

    const int pans[] = {-100, -40, 0, 55};
    for (int i = 0; i < 4; ++i) {
        auto* pan = new PanSlider(screen);
        pan->setFont(context.fonts.fontOfSize(12));
        pan->setValue(pans[i]);
        pan->setGeometry(320 + (i % 2) * 130, 300 + (i / 2) * 40, 120, 24);
    }

    const int indicatorValues[] = {0, 30, 75, 100};
    for (int i = 0; i < 4; ++i) {
        auto* indicator = new IndicatorBar(screen);
        indicator->setValue(indicatorValues[i]);
        indicator->setGeometry(600 + i * 24, 296, 12, 160);
    }
    return screen;
}

QWidget* showMeters(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    QWidget* screen = backdrop(QSize(560, 420));
    const int levels[] = {-40, -25, -10, -3, 0, 4, 10, 14};
    for (int i = 0; i < 8; ++i) {
        auto* meter = new ScaleMeter(screen);
        meter->setGeometry(10 + i * 40, 10, 32, 320);
        meter->setLevel(static_cast<std::int8_t>(levels[i]), 0);
        addCaption(screen, context, QString::number(levels[i]), QRect(10 + i * 40, 334, 32, 18));
    }
    auto* bare = new ScaleMeter(screen);
    bare->setLabelsShown(false);
    bare->setGeometry(340, 10, 12, 320);
    bare->setLevel(-6, 0);

    // The bridge: bars counted in scale segments.
    const int bridgeLevels[] = {-128, -30, -12, -6, -1, 2, 5, 8, 12, 20};
    for (int i = 0; i < 10; ++i) {
        auto* bar = new MeterBar(screen);
        bar->setRange(0, 120);
        bar->setGeometry(370 + i * 18, 10, 12, 180);
        bar->setValue(meterSegmentCount(static_cast<std::int8_t>(bridgeLevels[i])) * 10);
    }
    return screen;
}

QWidget* showChannelStrips(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    QWidget* screen = backdrop(QSize(720, 440));

    auto* full = new ChannelStrip(context.fonts, context.images, screen);
    full->setName(QStringLiteral("CH1"));
    full->setFaderLevel(-5.0);
    full->setMuted(true);
    full->move(10, 10);

    auto* dca = new ChannelStrip(context.fonts, context.images, screen);
    dca->setName(QStringLiteral("DCA1"));
    dca->setEnterShown(true);
    dca->enterButton()->setText(QStringLiteral("EDIT"));
    dca->setOffShown(true);
    dca->setLevelTextShown(true);
    dca->setFaderLevel(0.0);
    dca->setSoloed(true);
    dca->move(102, 10);

    auto* compact = new CompactStrip(context.fonts, context.images, screen);
    compact->setName(QStringLiteral("CH2"));
    compact->setFaderLevel(-12.0);
    compact->move(196, 10);

    auto* sends = new CompactStrip(context.fonts, context.images, screen);
    sends->setName(QStringLiteral("CH29/30"));
    sends->setExtraButtons(QStringLiteral("L"), QStringLiteral("R"));
    sends->firstExtraButton()->setChecked(true);
    sends->setFaderLevel(3.6);
    sends->setSoloed(true);
    sends->move(280, 10);

    auto* input = new BriefStrip(context.fonts, context.images, screen);
    input->setName(QStringLiteral("CH3"));
    input->setGain(24.5);
    input->setPhantom(true);
    input->setPan(-30);
    input->setGateOn(true);
    input->setFaderLevel(-2.2);
    input->setMeterLevels(-6, -9);
    input->move(366, 10);

    auto* bus = new BriefStrip(context.fonts, context.images, screen);
    bus->setName(QStringLiteral("AUX1"));
    bus->setInputControlsShown(false);
    bus->setCompressorCaption(QStringLiteral("COMP"));
    bus->setCompressorOn(true);
    bus->setEqBandCount(7);
    bus->setFaderLevel(0.0);
    bus->setMuted(true);
    bus->setMeterLevels(4, 2);
    bus->move(516, 10);
    return screen;
}

const GalleryScene kWidgetScenes[] = {
    {"faders", {}, nullptr, showFaders},
    {"buttons-tiles-panels", {}, nullptr, showButtons},
    {"meters", {}, nullptr, showMeters},
    {"channel-strips", {}, nullptr, showChannelStrips},
};

} // namespace

// The pictures of the faders, buttons, tiles, panels, meters and channel strips.
std::span<const GalleryScene> widgetGalleryScenes() {
    return kWidgetScenes;
}

} // namespace v32
