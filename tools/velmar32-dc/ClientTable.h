#pragma once

#include "app/protocol/Frame.h"
#include "app/protocol/FrameSink.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PairList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace v32::dc {

// A client is whoever talks to the data centre over one path: a UDP sender address, a TCP
// connection or the serial line. Identifiers are never reused during a run.
using ClientId = std::uint32_t;
inline constexpr ClientId kNoClient = 0;

struct ClientOptions {
    // The serial line has no connection to lose, so the device probes it every second.
    bool keepAliveProbes = false;
};

// The clients and the way frames reach them. A client joins the broadcasts (notifications,
// announcements, panel events) only once it has sent more than a discovery request or a
// keep-alive probe, so one-shot probes never receive unasked traffic.
class ClientTable {
public:
    static constexpr std::size_t kMaxClients = 64;

    // kNoClient when the table is full.
    ClientId add(FrameSink& sink, ClientOptions options = {});
    void remove(ClientId client);
    bool contains(ClientId client) const;
    std::size_t size() const;

    void subscribe(ClientId client);
    bool wantsKeepAliveProbes(ClientId client) const;

    // One frame to one client.
    bool send(ClientId client, MessageCode code, std::span<const std::uint8_t> payload);
    bool sendFrame(ClientId client, std::span<const std::uint8_t> frame);
    // One frame to every subscribed client but one (kNoClient: to all of them).
    void broadcast(MessageCode code, std::span<const std::uint8_t> payload,
                   ClientId except = kNoClient);

    // Pair lists go out 60 pairs to a frame; texts are cut at line ends into frames.
    void sendPairs(ClientId client, MessageCode code, std::span<const ParamPair> pairs);
    void broadcastPairs(MessageCode code, std::span<const ParamPair> pairs,
                        ClientId except = kNoClient);
    void sendText(ClientId client, MessageCode code, std::string_view text);
    void broadcastText(MessageCode code, std::string_view text, ClientId except = kNoClient);

    void forEachClient(const std::function<void(ClientId)>& visit) const;

private:
    using PayloadSender = std::function<void(std::span<const std::uint8_t>)>;

    struct Entry {
        ClientId id = kNoClient;
        FrameSink* sink = nullptr;
        ClientOptions options;
        bool subscribed = false;
    };

    Entry* find(ClientId client);
    const Entry* find(ClientId client) const;
    bool deliver(Entry& entry, MessageCode code, std::span<const std::uint8_t> payload);
    static void splitPairs(std::span<const ParamPair> pairs, const PayloadSender& send);
    static void splitText(std::string_view text, const PayloadSender& send);

    std::array<Entry, kMaxClients> entries_{};
    ClientId nextId_ = 1;
    std::array<std::uint8_t, kFrameCapacity> frame_{};
};

} // namespace v32::dc
