#pragma once

#include "app/core/Clock.h"
#include "app/core/SerialSettings.h"
#include "app/link/FrameDump.h"
#include "app/link/Link.h"
#include "app/link/UdpLink.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"

#include <cstdint>
#include <cstdio>
#include <memory>

namespace v32 {

// Builds the link of a type with the program's ports and the shared services. The services
// must outlive every link made. The serial settings are read when the link is created.
class LinkFactory {
public:
    LinkFactory(const SerialSettings& serial, const UdpTarget& udpTarget, UiWakeup& wakeup,
                const Clock& clock, const FrameDump& dump, std::FILE* log = stdout,
                std::uint16_t udpPort = UdpLink::kMixerPort);

    // The link is made closed; open() it. Types None and Disabled give a link that does
    // nothing.
    std::unique_ptr<Link> create(LinkType type) const;

private:
    const SerialSettings& serial_;
    const UdpTarget& udpTarget_;
    UiWakeup& wakeup_;
    const Clock& clock_;
    const FrameDump& dump_;
    std::FILE* log_;
    std::uint16_t udpPort_;
};

} // namespace v32
