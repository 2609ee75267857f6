#pragma once

#include "app/model/Channel.h"
#include "app/protocol/ParamId.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace v32 {

class ParamReader;

// Which parameters drive which part of a screen, declared once. Incoming values are handed
// to the handlers bound to their identifier by lookup, and publishing hands every bound
// identifier its cached value, so that what a screen shows and what it replays on opening
// can never name different identifiers.
//
// Bindings name an identifier, a range of identifiers, or parameter numbers of the edited
// channel; the latter follow setChannel(). A part of a screen whose bindings are replaced as a
// whole (a cell that shows another channel, the sends of the selected channel) keeps a
// registry of its own and attaches it to the page's.
class ParamBindings {
public:
    using Handler = std::function<void(ParamId id, std::uint16_t value)>;
    using NumberHandler = std::function<void(int number, std::uint16_t value)>;

    ParamBindings() = default;
    ParamBindings(const ParamBindings&) = delete;
    ParamBindings& operator=(const ParamBindings&) = delete;

    // Identifiers outside the table are not bound.
    void bind(ParamId id, Handler handler);
    void bindRange(ParamId first, ParamId last, Handler handler);
    // Numbers of the edited channel, the generic fader, on and solo numbers included; the
    // handler is told the number it was bound with.
    void bindNumbers(int first, int last, NumberHandler handler);
    void bindNumber(int number, NumberHandler handler) { bindNumbers(number, number, handler); }
    // Words that change how the screen is laid out but are not shown themselves: their
    // changes are dispatched, but publishing leaves them out, since the screen reads them
    // whenever it lays itself out.
    void watchRange(ParamId first, ParamId last, Handler handler);
    void setChannel(Channel channel);
    Channel channel() const { return m_channel; }

    // The part's bindings take part in dispatch and publishing after this registry's own.
    // It must outlive this registry or be detached first.
    void attach(ParamBindings& part);
    void detach(ParamBindings& part);
    // Drops this registry's own bindings; attached parts stay.
    void clear();

    // Hands the value to every handler bound to the identifier; false when none is.
    bool dispatch(ParamId id, std::uint16_t value) const;
    // Hands every bound identifier its stored value, in the order of the identifiers.
    void publish(const ParamReader& values) const;
    bool isBound(ParamId id) const;

private:
    struct RangeBinding {
        ParamId first;
        ParamId last;
        std::shared_ptr<const Handler> handler;
        bool replayed;
    };
    struct NumberBinding {
        int first;
        int last;
        NumberHandler handler;
    };
    // One handler bound to one identifier; entries of an identifier are chained.
    struct Entry {
        std::shared_ptr<const Handler> handler;
        std::int32_t next;
        bool replayed;
    };

    void rebuildIndex() const;
    void invalidate();
    void addRange(ParamId first, ParamId last, Handler handler, bool replayed);
    bool dispatchOwn(ParamId id, std::uint16_t value, bool replaying) const;
    void publishOwn(const ParamReader& values) const;

    std::vector<RangeBinding> m_ranges;
    std::vector<NumberBinding> m_numbers;
    std::vector<ParamBindings*> m_parts;
    Channel m_channel;

    // The lookup, built from the bindings when it is first needed after a change.
    mutable std::vector<std::int32_t> m_first;
    mutable std::vector<Entry> m_entries;
    mutable bool m_indexValid = false;
    // Counts changes, so that a handler that rebinds its own registry stops the dispatch
    // that called it from walking bindings that are gone.
    std::uint32_t m_generation = 0;
};

} // namespace v32
