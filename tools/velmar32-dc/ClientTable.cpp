#include "tools/velmar32-dc/ClientTable.h"

#include "app/protocol/PayloadText.h"

#include <algorithm>
#include <utility>

namespace v32::dc {

ClientId ClientTable::add(FrameSink& sink, ClientOptions options) {
    const auto freeEntry = std::find_if(entries_.begin(), entries_.end(),
                                        [](const Entry& entry) { return entry.id == kNoClient; });
    if (freeEntry == entries_.end()) {
        return kNoClient;
    }
    *freeEntry = Entry{nextId_++, &sink, options, false};
    return freeEntry->id;
}

void ClientTable::remove(ClientId client) {
    if (Entry* entry = find(client)) {
        *entry = Entry{};
    }
}

bool ClientTable::contains(ClientId client) const {
    return find(client) != nullptr;
}

std::size_t ClientTable::size() const {
    return static_cast<std::size_t>(
        std::count_if(entries_.begin(), entries_.end(),
                      [](const Entry& entry) { return entry.id != kNoClient; }));
}

void ClientTable::subscribe(ClientId client) {
    if (Entry* entry = find(client)) {
        entry->subscribed = true;
    }
}

bool ClientTable::wantsKeepAliveProbes(ClientId client) const {
    const Entry* entry = find(client);
    return entry != nullptr && entry->options.keepAliveProbes;
}

bool ClientTable::send(ClientId client, MessageCode code, std::span<const std::uint8_t> payload) {
    Entry* entry = find(client);
    return entry != nullptr && deliver(*entry, code, payload);
}

bool ClientTable::sendFrame(ClientId client, std::span<const std::uint8_t> frame) {
    Entry* entry = find(client);
    return entry != nullptr && entry->sink->sendFrame(frame);
}

void ClientTable::broadcast(MessageCode code, std::span<const std::uint8_t> payload,
                            ClientId except) {
    for (Entry& entry : entries_) {
        if (entry.id != kNoClient && entry.id != except && entry.subscribed) {
            deliver(entry, code, payload);
        }
    }
}

void ClientTable::sendPairs(ClientId client, MessageCode code, std::span<const ParamPair> pairs) {
    splitPairs(pairs, [&](std::span<const std::uint8_t> payload) { send(client, code, payload); });
}

void ClientTable::broadcastPairs(MessageCode code, std::span<const ParamPair> pairs,
                                 ClientId except) {
    splitPairs(pairs,
               [&](std::span<const std::uint8_t> payload) { broadcast(code, payload, except); });
}

void ClientTable::sendText(ClientId client, MessageCode code, std::string_view text) {
    splitText(text, [&](std::span<const std::uint8_t> payload) { send(client, code, payload); });
}

void ClientTable::broadcastText(MessageCode code, std::string_view text, ClientId except) {
    splitText(text,
              [&](std::span<const std::uint8_t> payload) { broadcast(code, payload, except); });
}

void ClientTable::forEachClient(const std::function<void(ClientId)>& visit) const {
    for (const Entry& entry : entries_) {
        if (entry.id != kNoClient) {
            visit(entry.id);
        }
    }
}

ClientTable::Entry* ClientTable::find(ClientId client) {
    return const_cast<Entry*>(std::as_const(*this).find(client));
}

const ClientTable::Entry* ClientTable::find(ClientId client) const {
    if (client == kNoClient) {
        return nullptr;
    }
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [client](const Entry& entry) { return entry.id == client; });
    return found == entries_.end() ? nullptr : &*found;
}

bool ClientTable::deliver(Entry& entry, MessageCode code, std::span<const std::uint8_t> payload) {
    const std::size_t length = buildFrame(frame_, code, payload);
    return length != 0 && entry.sink->sendFrame(std::span(frame_).first(length));
}

void ClientTable::splitPairs(std::span<const ParamPair> pairs, const PayloadSender& send) {
    std::array<std::uint8_t, kMaxPairsPerFrame * kPairSize> payload{};
    while (!pairs.empty()) {
        const std::size_t count = encodePairs(pairs, payload);
        send(std::span(payload).first(count * kPairSize));
        pairs = pairs.subspan(count);
    }
}

void ClientTable::splitText(std::string_view text, const PayloadSender& send) {
    // Receivers read each frame's lines on their own, so a frame must end at a line end.
    while (!text.empty()) {
        std::size_t cut = std::min(text.size(), kMaxPayload);
        if (cut < text.size()) {
            const std::size_t lineEnd = text.rfind('\n', cut - 1);
            cut = lineEnd == std::string_view::npos ? cut : lineEnd + 1;
        }
        send(textBytes(text.substr(0, cut)));
        text.remove_prefix(cut);
    }
}

} // namespace v32::dc
