#include "tests/link/DispatcherTestLink.h"

#include "app/link/ReceiveQueue.h"
#include "app/link/RingTransfer.h"

#include <algorithm>
#include <cstdio>

namespace v32::test {

std::string sentEntry(std::span<const std::uint8_t> frame) {
    std::string entry = "sent";
    for (const std::uint8_t byte : frame) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        entry += hex;
    }
    return entry;
}

DispatcherTestLink::DispatcherTestLink(LinkType type, Journal* journal)
    : m_type(type)
    , m_journal(journal) {}

bool DispatcherTestLink::open() {
    ++m_opens;
    return true;
}

void DispatcherTestLink::close() {
    ++m_closes;
}

bool DispatcherTestLink::sendFrame(std::span<const std::uint8_t> frame) {
    m_sent.emplace_back(frame.begin(), frame.end());
    if (m_journal != nullptr) {
        m_journal->push_back(sentEntry(frame));
    }
    return true;
}

std::size_t DispatcherTestLink::poll(ReceiveQueue& queue) {
    const std::size_t count = std::min({m_arriving.size(), kMaxBytesPerPoll, queue.freeSpace()});
    queue.append(std::span(m_arriving).first(count));
    m_arriving.erase(m_arriving.begin(), m_arriving.begin() + static_cast<std::ptrdiff_t>(count));
    return count;
}

void DispatcherTestLink::receive(const Bytes& bytes) {
    m_arriving.insert(m_arriving.end(), bytes.begin(), bytes.end());
}

std::vector<Bytes> DispatcherTestLink::sentWith(std::uint8_t code) const {
    std::vector<Bytes> frames;
    std::copy_if(m_sent.begin(), m_sent.end(), std::back_inserter(frames),
                 [code](const Bytes& frame) { return frame.size() > 2 && frame[2] == code; });
    return frames;
}

} // namespace v32::test
