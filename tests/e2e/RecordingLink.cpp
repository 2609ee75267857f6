#include "tests/e2e/RecordingLink.h"

namespace v32::e2e {

RecordingLink::RecordingLink(Link& transport, const Clock& clock)
    : m_transport(transport)
    , m_clock(clock) {}

bool RecordingLink::open() {
    m_events.push_back({m_clock.nowMs(), Action::Open});
    return m_transport.open();
}

void RecordingLink::close() {
    m_events.push_back({m_clock.nowMs(), Action::Close});
    m_transport.close();
}

bool RecordingLink::sendFrame(std::span<const std::uint8_t> frame) {
    m_sent.push_back({m_clock.nowMs(), Bytes(frame.begin(), frame.end())});
    return m_transport.sendFrame(frame);
}

std::size_t RecordingLink::poll(ReceiveQueue& queue) {
    const std::size_t queuedBefore = queue.size();
    const std::size_t moved = m_transport.poll(queue);
    const std::size_t keptFrom = m_received.size();
    m_received.resize(keptFrom + moved);
    queue.copyOut(queuedBefore, std::span(m_received).subspan(keptFrom));
    return moved;
}

std::vector<RecordingLink::SentFrame> RecordingLink::sentWithCode(MessageCode code,
                                                                  std::size_t from) const {
    std::vector<SentFrame> frames;
    for (std::size_t i = from; i < m_sent.size(); ++i) {
        if (m_sent[i].bytes.size() > 2 && m_sent[i].bytes[2] == code) {
            frames.push_back(m_sent[i]);
        }
    }
    return frames;
}

} // namespace v32::e2e
