#pragma once

#include "app/link/DiscoveryWorker.h"
#include "app/link/FoundDeviceTable.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <stop_token>

class QWidget;

namespace v32 {

class DeviceListScreen;
class DeviceSelection;
class FontCache;

// The device list over the screens: the only way to a mixer on the UDP link. Opening it
// forgets the mixer chosen before; the first discovery follows shortly after, once the list
// is on screen. A discovery runs beside the UI thread and its mixers are listed once it is
// over; closing the list stops it. Connect takes the checked mixer and reads its state, Demo
// goes on without one; both take the list away.
class DeviceList : public QObject {
    Q_OBJECT

public:
    static constexpr std::uint32_t kFirstDiscoveryDelayMs = 100;
    // How often a running discovery is asked for its result: about once per main-loop pass.
    static constexpr int kResultPollMs = 20;

    // Runs on a thread of its own until the mixers that answered are known; ends early
    // once stop is requested.
    using Discover = std::function<FoundDeviceTable(std::stop_token stop)>;

    // The list is built on host, above whatever host holds.
    DeviceList(QWidget& host, FontCache& fonts, DeviceSelection& selection, Discover discover,
               QObject* parent = nullptr);
    ~DeviceList() override;

    // Brings a list that is open to the front rather than building another.
    void open();
    bool isOpen() const;
    // Null while closed.
    DeviceListScreen* screen() const;

    // Refresh: lists the mixers that answer now. While a discovery runs, its result is
    // the one listed and no second one starts.
    void discover();
    // From discover() until the mixers found are listed.
    bool isDiscovering() const;

private:
    void listFound();
    void build();
    void connectChecked();
    void close();

    QWidget& m_host;
    FontCache& m_fonts;
    DeviceSelection& m_selection;
    DiscoveryWorker m_discovery;
    QTimer m_resultPoll;
    QPointer<DeviceListScreen> m_screen;
};

} // namespace v32
