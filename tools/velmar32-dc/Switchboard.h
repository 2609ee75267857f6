#pragma once

#include "app/core/Clock.h"
#include "app/protocol/FrameSink.h"
#include "tools/velmar32-dc/ClientTable.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/FaultInjector.h"
#include "tools/velmar32-dc/TrafficLog.h"

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace v32::dc {

// Where the transports meet the data centre. Every frame in either direction passes the
// fault injector and the traffic log here, so the transports only move bytes and the data
// centre only answers frames.
//
// A transport must not disconnect a client from inside its wire's sendFrame: it marks the
// connection and drops it on its next poll.
class Switchboard {
public:
    Switchboard(DataCentre& dataCentre, FaultInjector& faults, TrafficLog& log, const Clock& clock);
    ~Switchboard();

    Switchboard(const Switchboard&) = delete;
    Switchboard& operator=(const Switchboard&) = delete;

    // A new client whose frames go out through wire; kNoClient when no more can be served.
    ClientId connect(FrameSink& wire, std::string name, ClientOptions options = {});
    void disconnect(ClientId client);
    // One whole frame that a transport has cut from what the client sent.
    void receive(ClientId client, std::span<const std::uint8_t> frame);
    // Lets the frames that faults held back go on.
    void tick();

    std::size_t clientCount() const { return paths_.size(); }
    std::uint64_t framesReceived() const { return framesReceived_; }
    std::uint64_t framesSent() const { return framesSent_; }

private:
    class ClientPath;

    void sendOut(ClientPath& path, std::span<const std::uint8_t> frame);
    void deliverIn(ClientId client, std::span<const std::uint8_t> frame);
    void deliverOut(ClientId client, std::span<const std::uint8_t> frame);
    ClientPath* find(ClientId client);

    DataCentre& dataCentre_;
    FaultInjector& faults_;
    TrafficLog& log_;
    const Clock& clock_;
    std::map<ClientId, std::unique_ptr<ClientPath>> paths_;
    std::uint64_t framesReceived_ = 0;
    std::uint64_t framesSent_ = 0;
};

} // namespace v32::dc
