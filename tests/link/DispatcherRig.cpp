#include "tests/link/DispatcherRig.h"

#include "app/protocol/Frame.h"
#include "app/protocol/PayloadText.h"

#include <array>

namespace v32::test {

DispatcherRig::DispatcherRig(Link& transport, UiWakeup& linkWakeup)
    : link(transport)
    , wakeup(linkWakeup)
    , dispatcher(DispatcherContext{link, queue, model, conditions, sender, transfer, sceneImage,
                                   linkState, switches, product, udpTarget, wakeup, clock, names,
                                   log, listeners})
    , supervisor(link, linkState, model, sender, switches, conditions, timers, clock, listeners) {}

DispatcherRig::~DispatcherRig() {
    std::fclose(log);
}

std::string DispatcherRig::logText() const {
    std::fflush(log);
    std::rewind(log);
    std::string text;
    for (int c = std::fgetc(log); c != EOF; c = std::fgetc(log)) {
        text.push_back(static_cast<char>(c));
    }
    // A stream that was read must be positioned before it is written again.
    std::fseek(log, 0, SEEK_END);
    return text;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes frameOf(std::uint8_t code, const Bytes& payload) {
    std::array<std::uint8_t, kFrameCapacity> buffer{};
    const std::size_t length = buildFrame(buffer, static_cast<MessageCode>(code), payload);
    return Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
}

Bytes pairFrame(std::uint8_t code, const std::vector<ParamPair>& pairs) {
    Bytes payload(pairs.size() * kPairSize);
    encodePairs(pairs, payload, pairs.size());
    return frameOf(code, payload);
}

Bytes textFrame(std::uint8_t code, std::string_view text) {
    const std::span<const std::uint8_t> bytes = textBytes(text);
    return frameOf(code, Bytes(bytes.begin(), bytes.end()));
}

} // namespace v32::test
