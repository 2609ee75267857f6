#include "app/link/LinkFactory.h"

#include "app/link/NullLink.h"
#include "app/link/SerialLink.h"
#include "app/link/TcpLink.h"
#include "app/link/UdpLink.h"

#include <string>

namespace v32 {

LinkFactory::LinkFactory(const SerialSettings& serial, const UdpTarget& udpTarget, UiWakeup& wakeup,
                         const Clock& clock, const FrameDump& dump, std::FILE* log,
                         std::uint16_t udpPort)
    : serial_(serial)
    , udpTarget_(udpTarget)
    , wakeup_(wakeup)
    , clock_(clock)
    , dump_(dump)
    , log_(log)
    , udpPort_(udpPort) {}

std::unique_ptr<Link> LinkFactory::create(LinkType type) const {
    switch (type) {
    case LinkType::Serial:
        // The name buffer always holds a NUL; a name that filled it is cut there.
        return std::make_unique<SerialLink>(std::string(serial_.portName.data()), serial_.baudRate,
                                            wakeup_, dump_, log_);
    case LinkType::Udp:
        return std::make_unique<UdpLink>(udpTarget_, wakeup_, dump_, udpPort_);
    case LinkType::Tcp:
        return std::make_unique<TcpLink>(clock_, dump_);
    case LinkType::None:
    case LinkType::Disabled:
        break;
    }
    return std::make_unique<NullLink>(type, dump_);
}

} // namespace v32
