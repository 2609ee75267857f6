#include "ui/toolkit/framework/ParamBindings.h"

#include "app/model/ParamReader.h"

#include <algorithm>

namespace v32 {

namespace {

constexpr std::int32_t kNoEntry = -1;

bool isInTable(int id) {
    return id >= 0 && id <= kLastParam;
}

} // namespace

void ParamBindings::bind(ParamId id, Handler handler) {
    bindRange(id, id, std::move(handler));
}

void ParamBindings::bindRange(ParamId first, ParamId last, Handler handler) {
    addRange(first, last, std::move(handler), true);
}

void ParamBindings::watchRange(ParamId first, ParamId last, Handler handler) {
    addRange(first, last, std::move(handler), false);
}

void ParamBindings::addRange(ParamId first, ParamId last, Handler handler, bool replayed) {
    if (!isInTable(first) || first > last || !handler) {
        return;
    }
    const ParamId end = std::min(last, kLastParam);
    m_ranges.push_back({first, end, std::make_shared<const Handler>(std::move(handler)), replayed});
    invalidate();
}

void ParamBindings::bindNumbers(int first, int last, NumberHandler handler) {
    if (first > last || !handler) {
        return;
    }
    m_numbers.push_back({first, last, std::move(handler)});
    invalidate();
}

void ParamBindings::setChannel(Channel channel) {
    if (channel == m_channel) {
        return;
    }
    m_channel = channel;
    invalidate();
}

void ParamBindings::attach(ParamBindings& part) {
    if (&part != this && std::find(m_parts.begin(), m_parts.end(), &part) == m_parts.end()) {
        m_parts.push_back(&part);
    }
}

void ParamBindings::detach(ParamBindings& part) {
    m_parts.erase(std::remove(m_parts.begin(), m_parts.end(), &part), m_parts.end());
}

void ParamBindings::clear() {
    m_ranges.clear();
    m_numbers.clear();
    invalidate();
}

void ParamBindings::invalidate() {
    m_indexValid = false;
    ++m_generation;
}

// Number bindings become identifier bindings of the channel shown now; a number the
// channel's kind does not have binds nothing.
void ParamBindings::rebuildIndex() const {
    m_first.assign(kParamCount, kNoEntry);
    m_entries.clear();
    const auto add = [this](ParamId id, std::shared_ptr<const Handler> handler, bool replayed) {
        // Chained at the end, so that handlers run in the order they were bound.
        const auto index = static_cast<std::int32_t>(m_entries.size());
        m_entries.push_back({std::move(handler), kNoEntry, replayed});
        std::int32_t* link = &m_first[id];
        while (*link != kNoEntry) {
            link = &m_entries[static_cast<std::size_t>(*link)].next;
        }
        *link = index;
    };
    for (const RangeBinding& range : m_ranges) {
        for (int id = range.first; id <= range.last; ++id) {
            add(static_cast<ParamId>(id), range.handler, range.replayed);
        }
    }
    for (const NumberBinding& numbers : m_numbers) {
        for (int number = numbers.first; number <= numbers.last; ++number) {
            const ParamId id = paramId(m_channel.kind, m_channel.index, number);
            if (id == kInvalidParam) {
                continue;
            }
            const NumberHandler& handler = numbers.handler;
            add(id,
                std::make_shared<const Handler>(
                    [handler, number](ParamId, std::uint16_t value) { handler(number, value); }),
                true);
        }
    }
    m_indexValid = true;
}

bool ParamBindings::dispatch(ParamId id, std::uint16_t value) const {
    bool handled = dispatchOwn(id, value, false);
    // A handler may attach or detach parts: walk a copy.
    const std::vector<ParamBindings*> parts = m_parts;
    for (const ParamBindings* part : parts) {
        handled = part->dispatch(id, value) || handled;
    }
    return handled;
}

bool ParamBindings::dispatchOwn(ParamId id, std::uint16_t value, bool replaying) const {
    if (!isInTable(id) || (m_ranges.empty() && m_numbers.empty())) {
        return false;
    }
    if (!m_indexValid) {
        rebuildIndex();
    }
    const std::uint32_t generation = m_generation;
    bool handled = false;
    for (std::int32_t entry = m_first[id]; entry != kNoEntry;) {
        const Entry& current = m_entries[static_cast<std::size_t>(entry)];
        const std::int32_t next = current.next;
        if (replaying && !current.replayed) {
            entry = next;
            continue;
        }
        // Held while it runs: the handler may drop the bindings it came from.
        const std::shared_ptr<const Handler> handler = current.handler;
        (*handler)(id, value);
        handled = true;
        if (generation != m_generation) {
            break;
        }
        entry = next;
    }
    return handled;
}

void ParamBindings::publish(const ParamReader& values) const {
    publishOwn(values);
    const std::vector<ParamBindings*> parts = m_parts;
    for (const ParamBindings* part : parts) {
        part->publish(values);
    }
}

void ParamBindings::publishOwn(const ParamReader& values) const {
    if (m_ranges.empty() && m_numbers.empty()) {
        return;
    }
    if (!m_indexValid) {
        rebuildIndex();
    }
    const std::uint32_t generation = m_generation;
    for (int id = 0; id <= kLastParam; ++id) {
        if (m_first[static_cast<std::size_t>(id)] == kNoEntry) {
            continue;
        }
        dispatchOwn(static_cast<ParamId>(id), values.value(static_cast<ParamId>(id)), true);
        // Rebound while publishing: whoever rebound publishes what is bound now.
        if (generation != m_generation) {
            return;
        }
    }
}

bool ParamBindings::isBound(ParamId id) const {
    if (isInTable(id) && !(m_ranges.empty() && m_numbers.empty())) {
        if (!m_indexValid) {
            rebuildIndex();
        }
        if (m_first[id] != kNoEntry) {
            return true;
        }
    }
    return std::any_of(m_parts.begin(), m_parts.end(),
                       [id](const ParamBindings* part) { return part->isBound(id); });
}

} // namespace v32
