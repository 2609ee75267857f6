#include "ui/pages/devicelist/DeviceList.h"

#include "app/link/DeviceSelection.h"
#include "ui/pages/devicelist/DeviceListScreen.h"
#include "ui/toolkit/framework/DeferredCall.h"

#include <optional>
#include <utility>

namespace v32 {

DeviceList::DeviceList(QWidget& host, FontCache& fonts, DeviceSelection& selection,
                       Discover discover, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_fonts(fonts)
    , m_selection(selection)
    , m_discovery(std::move(discover)) {
    m_resultPoll.setInterval(kResultPollMs);
    connect(&m_resultPoll, &QTimer::timeout, this, &DeviceList::listFound);
}

DeviceList::~DeviceList() {
    delete m_screen;
}

void DeviceList::open() {
    m_selection.listOpened();
    if (m_screen != nullptr) {
        m_screen->showOnTop();
        return;
    }
    build();
    // The list is drawn before the discovery's broadcasts go out.
    deferCall(kFirstDiscoveryDelayMs, m_screen, [this] { discover(); });
}

bool DeviceList::isOpen() const {
    return m_screen != nullptr;
}

DeviceListScreen* DeviceList::screen() const {
    return m_screen;
}

void DeviceList::build() {
    m_screen = new DeviceListScreen(&m_host, m_fonts);
    connect(m_screen, &DeviceListScreen::refreshClicked, this, &DeviceList::discover);
    connect(m_screen, &DeviceListScreen::connectClicked, this, &DeviceList::connectChecked);
    connect(m_screen, &DeviceListScreen::demoClicked, this, &DeviceList::close);
    m_screen->showOnTop();
}

void DeviceList::discover() {
    if (m_screen == nullptr) {
        return;
    }
    m_screen->clearDevices();
    m_discovery.start();
    m_resultPoll.start();
}

bool DeviceList::isDiscovering() const {
    return m_resultPoll.isActive();
}

void DeviceList::listFound() {
    const std::optional<FoundDeviceTable> found = m_discovery.takeResult();
    if (!found) {
        return;
    }
    m_resultPoll.stop();
    if (m_screen != nullptr) {
        m_screen->showDevices(found->devices());
    }
}

void DeviceList::connectChecked() {
    if (m_screen == nullptr) {
        return;
    }
    const std::optional<std::uint32_t> address = m_screen->checkedAddress();
    if (!address) {
        return;
    }
    m_selection.connectTo(*address);
    close();
}

// The button that asked for it is still delivering its click: the list goes at once, its
// widgets once the click is over.
void DeviceList::close() {
    if (m_screen == nullptr) {
        return;
    }
    m_discovery.cancel();
    m_resultPoll.stop();
    m_screen->hide();
    m_screen->deleteLater();
    m_screen = nullptr;
    m_selection.listClosed();
}

} // namespace v32
