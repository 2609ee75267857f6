#include "GalleryContext.h"
#include "GalleryScene.h"
#include "GalleryScenes.h"
#include "app/link/FoundDeviceTable.h"
#include "ui/pages/devicelist/DeviceListRow.h"
#include "ui/pages/devicelist/DeviceListScreen.h"
#include "ui/toolkit/framework/RootScreen.h"

namespace v32 {

namespace {

DeviceListScreen* openList(GalleryStage& stage) {
    auto* list = new DeviceListScreen(&stage.root.screenLayer(), stage.context.fonts);
    list->showOnTop();
    return list;
}

// Three mixers: one named at the desk, one never named (listed under the product name) and
// one that gave no name at all; the second is checked.
QWidget* showFoundDevices(GalleryStage& stage) {
    FoundDeviceTable found;
    found.add(0xC0A80117, "FOH Left");
    found.add(0xC0A80128, "VELMAR32");
    found.add(0xC0A8013A, "");
    DeviceListScreen* list = openList(stage);
    list->showDevices(found.devices());
    list->rows()[1]->click();
    return nullptr;
}

QWidget* showNothingFound(GalleryStage& stage) {
    openList(stage);
    return nullptr;
}

const GalleryScene kDeviceListScenes[] = {
    {"device-list", {}, nullptr, showFoundDevices},
    {"device-list-empty", {}, nullptr, showNothingFound},
};

} // namespace

// The device list over the screens, with mixers found and without.
std::span<const GalleryScene> deviceListGalleryScenes() {
    return kDeviceListScenes;
}

} // namespace v32
