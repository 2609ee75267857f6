#include "bench/BenchDispatcher.h"

namespace v32::bench {

BenchDispatcher::BenchDispatcher(Link& transport, UiWakeup& wakeup, const Clock& clock)
    : m_log(std::tmpfile())
    , m_timers(clock)
    , m_model(m_defaults, m_switches, m_conditions, m_timers)
    , m_link(transport)
    , m_sender(m_link)
    , m_product(parseProductConstants())
    , m_dispatcher(DispatcherContext{m_link, m_queue, m_model, m_conditions, m_sender, m_transfer,
                                     m_sceneImage, m_linkState, m_switches, m_product, m_udpTarget,
                                     wakeup, clock, m_names, m_log, m_listeners})
    , m_mainLoop(wakeup, m_timers, m_dispatcher) {}

BenchDispatcher::~BenchDispatcher() {
    std::fclose(m_log);
}

} // namespace v32::bench
