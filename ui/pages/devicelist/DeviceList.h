#pragma once

#include "app/link/FoundDeviceTable.h"

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

class QWidget;

namespace v32 {

class DeviceListScreen;
class DeviceSelection;
class FontCache;

// The device list over the screens: the only way to a mixer on the UDP link. Opening it
// forgets the mixer chosen before; the first discovery follows shortly after, once the list
// is on screen. Connect takes the checked mixer and reads its state, Demo goes on without
// one; both take the list away.
class DeviceList : public QObject {
    Q_OBJECT

public:
    static constexpr std::uint32_t kFirstDiscoveryDelayMs = 100;

    // Blocks until the mixers that answered are known.
    using Discover = std::function<FoundDeviceTable()>;

    // The list is built on host, above whatever host holds.
    DeviceList(QWidget& host, FontCache& fonts, DeviceSelection& selection, Discover discover,
               QObject* parent = nullptr);
    ~DeviceList() override;

    // Brings a list that is open to the front rather than building another.
    void open();
    bool isOpen() const;
    // Null while closed.
    DeviceListScreen* screen() const;

    // Refresh: lists the mixers that answer now.
    void discover();

private:
    void build();
    void connectChecked();
    void close();

    QWidget& m_host;
    FontCache& m_fonts;
    DeviceSelection& m_selection;
    Discover m_discover;
    QPointer<DeviceListScreen> m_screen;
};

} // namespace v32
