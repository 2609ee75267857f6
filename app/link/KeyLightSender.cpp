#include "app/link/KeyLightSender.h"

#include "app/core/DebugSwitches.h"
#include "app/link/KeyLightWords.h"
#include "app/link/PanelIdentifiers.h"
#include "app/model/ModelConditions.h"
#include "app/protocol/FrameSink.h"
#include "app/protocol/PairList.h"

#include <span>

namespace v32 {

static_assert(KeyLightWords::kWordCount == PanelIdentifiers::kLightWordCount);
static_assert(KeyLightSender::kMaxWordsPerFrame * kPairSize <= kMaxPayload);

KeyLightSender::KeyLightSender(KeyLightWords& words, TimerQueue& timers, FrameSink& sink,
                               const ModelConditions& conditions, const DebugSwitches& switches)
    : m_words(words)
    , m_timers(timers)
    , m_sink(sink)
    , m_conditions(conditions)
    , m_switches(switches) {}

KeyLightSender::~KeyLightSender() {
    m_timers.remove(m_timer);
}

void KeyLightSender::schedule() {
    if (isScheduled()) {
        return;
    }
    m_timer = m_timers.startOneShot(kDelayMs, [this](TimerQueue::Handle) { fire(); });
}

void KeyLightSender::fire() {
    m_timers.remove(m_timer);
    m_timer = {};
    std::array<ParamPair, kMaxWordsPerFrame> pairs{};
    std::size_t count = 0;
    for (int word = 0; word < KeyLightWords::kWordCount; ++word) {
        if (m_words.takeChanged(word) && count < pairs.size()) {
            pairs[count++] = {PanelIdentifiers::lightWordId(word), m_words.word(word)};
        }
    }
    if (count == 0 || !mayDrivePanel()) {
        return;
    }
    std::array<std::uint8_t, kMaxPayload> payload{};
    const std::size_t pairCount =
        encodePairs(std::span(pairs).first(count), payload, kMaxWordsPerFrame);
    const std::size_t length =
        buildFrame(m_buffer, MSG_PANEL_SET, std::span(payload).first(pairCount * kPairSize));
    if (length != 0) {
        m_sink.sendFrame(std::span(m_buffer).first(length));
    }
}

// The panel is this program's to drive only beside a local data centre or when the user
// chose to take it over.
bool KeyLightSender::mayDrivePanel() const {
    return m_conditions.localDevice || m_switches.take_over_panel;
}

} // namespace v32
