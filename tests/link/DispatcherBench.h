#pragma once

#include "tests/link/DispatcherRig.h"
#include "tests/link/DispatcherTestLink.h"
#include "tests/link/ListenerRecorder.h"

#include <string_view>

namespace v32::test {

// The dispatcher and the supervisor over a recording link, with recorded screens; both
// write into one journal so that the order of frames and screen calls can be checked.
class DispatcherBench {
public:
    explicit DispatcherBench(LinkType type = LinkType::Udp);

    DispatcherBench(const DispatcherBench&) = delete;
    DispatcherBench& operator=(const DispatcherBench&) = delete;

    // The bytes arrive and one dispatch pass runs.
    void deliver(const Bytes& bytes);
    // The clock moves to ms and the due timers run, the supervisor's among them.
    void runTimersAt(std::uint32_t ms);

    // The journal entries that begin with prefix, in order.
    Journal entries(std::string_view prefix) const;
    // Everything but the frames sent.
    Journal screenCalls() const;

    Journal journal;
    DispatcherTestLink transport{LinkType::Udp, &journal};
    UiWakeup wakeup;
    DispatcherRig rig{transport, wakeup};
    ListenerRecorder ui{journal};
};

} // namespace v32::test
