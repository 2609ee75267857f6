#include "GalleryContext.h"
#include "GalleryScene.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/PatchGrid.h"
#include "ui/toolkit/widgets/RouteMatrix.h"
#include "ui/toolkit/widgets/ScrollList.h"
#include "ui/toolkit/widgets/TurntableDisc.h"

#include <QMouseEvent>
#include <QPalette>
#include <QTimer>
#include <QVariantAnimation>
#include <span>

namespace v32 {

namespace {

constexpr std::uint16_t kScreenBackground = palette::kScreenBackground;

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

// An input's sends: aux sends falling from the top, every third one after the fader.
void showInputSends(RouteMatrix& matrix, int auxCount) {
    for (int aux = 0; aux < auxCount; ++aux) {
        matrix.showSend(RouteMatrix::SectionAux, aux, 100 - aux * 6, aux % 3 != 1);
    }
    matrix.showSend(RouteMatrix::SectionMain, 0, 100, false);
    matrix.showSend(RouteMatrix::SectionMain, 1, 96, true);
    matrix.showSend(RouteMatrix::SectionFx, 0, 85, true);
    matrix.showSend(RouteMatrix::SectionFx, 1, 58, false);
}

RouteMatrix* addRouteMatrix(QWidget* parent, GalleryContext& context, QRect geometry) {
    auto* matrix = new RouteMatrix(context.fonts, parent);
    matrix->setGeometry(geometry);
    return matrix;
}

// Upright and lying, normal and compact, with pre-fader (green) and post-fader sends.
QWidget* showRouteMatrices(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(800, 420));
    RouteMatrix* compact = addRouteMatrix(screen, stage.context, {10, 10, 128, 258});
    compact->setCompact(true);
    RouteMatrix* lyingCompact = addRouteMatrix(screen, stage.context, {150, 10, 128, 300});
    lyingCompact->setRotated(false);
    lyingCompact->setCompact(true);
    RouteMatrix* lying = addRouteMatrix(screen, stage.context, {290, 10, 160, 400});
    lying->setRotated(false);
    lying->setTitle(QStringLiteral("CH1"));
    RouteMatrix* upright = addRouteMatrix(screen, stage.context, {470, 10, 320, 400});
    upright->setSizes(RouteMatrix::kMaximumAux, RouteMatrix::kMaximumFx);
    upright->setTitle(QStringLiteral("CH29/30"));
    for (RouteMatrix* matrix : {compact, lyingCompact, lying}) {
        showInputSends(*matrix, 8);
    }
    showInputSends(*upright, RouteMatrix::kMaximumAux);
    return screen;
}

// Recorder tracks on channels, a finger on a crossing and one dot pointed out.
QWidget* showPatchGrid(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(520, 360));
    auto* grid = new PatchGrid(stage.context.fonts, screen);
    grid->setGeometry(20, 20, 480, 320);
    grid->setConnection(3, 6);
    grid->setHighlightedDot(5, 5, palette::kGreen);
    const QPointF finger(grid->columnX(9), grid->rowY(2));
    QMouseEvent press(QEvent::MouseButtonPress, finger, grid->mapToGlobal(finger), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &press);
    return screen;
}

// A folder list with the USB icon, file counts and a selected row.
QWidget* showScrollList(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(360, 280));
    auto* list = new ScrollList(stage.context.fonts, screen);
    list->setGeometry(20, 20, 320, 240);
    list->setRowHeight(34);
    list->setIcon(stage.context.images.image(u"res/media/img_usb_music_small.png"));
    const char* folders[] = {"Live at the Hall", "Rehearsal", "Sound check", "Backing tracks",
                             "Intermission",     "Encore",    "Demos",       "Spare"};
    for (const char* folder : folders) {
        const int index = list->addEntry(-1, QString::fromUtf8(folder));
        list->setSecondText(index, QStringLiteral(" (%1)").arg(index * 7 + 3));
    }
    list->select(2);
    return screen;
}

// The record turning with the tonearm on it, some way into the track.
QWidget* showDiscPlaying(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(240, 130));
    auto* disc = new TurntableDisc(stage.context.images, screen);
    disc->move(20, 17);
    disc->play();
    auto* swing = disc->findChild<QVariantAnimation*>();
    swing->setCurrentTime(swing->duration());
    auto* spin = disc->findChild<QTimer*>();
    for (int tick = 0; tick < 17; ++tick) {
        QMetaObject::invokeMethod(spin, "timeout");
    }
    spin->stop();
    return screen;
}

const GalleryScene kListScenes[] = {
    {"route-matrix", {}, nullptr, showRouteMatrices},
    {"patch-grid", {}, nullptr, showPatchGrid},
    {"scroll-list", {}, nullptr, showScrollList},
    {"disc-playing", {}, nullptr, showDiscPlaying},
};

} // namespace

// The pictures of the route matrix, patch grid, scroll list and turntable disc.
std::span<const GalleryScene> listGalleryScenes() {
    return kListScenes;
}

} // namespace v32
