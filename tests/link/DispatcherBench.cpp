#include "tests/link/DispatcherBench.h"

#include <string>

namespace v32::test {

DispatcherBench::DispatcherBench(LinkType type) {
    transport.setType(type);
    ui.registerIn(rig.listeners);
}

void DispatcherBench::deliver(const Bytes& bytes) {
    transport.receive(bytes);
    rig.dispatcher.runPass();
}

void DispatcherBench::runTimersAt(std::uint32_t ms) {
    rig.clock.set(ms);
    rig.timers.process();
}

Journal DispatcherBench::entries(std::string_view prefix) const {
    Journal found;
    for (const std::string& entry : journal) {
        if (entry.starts_with(prefix)) {
            found.push_back(entry);
        }
    }
    return found;
}

Journal DispatcherBench::screenCalls() const {
    Journal found;
    for (const std::string& entry : journal) {
        if (!entry.starts_with("sent")) {
            found.push_back(entry);
        }
    }
    return found;
}

} // namespace v32::test
