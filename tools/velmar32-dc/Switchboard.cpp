#include "tools/velmar32-dc/Switchboard.h"

#include <utility>

namespace v32::dc {

// A client's way out: what the data centre sends it goes through the switchboard.
class Switchboard::ClientPath final : public FrameSink {
public:
    ClientPath(Switchboard& board, FrameSink& wire, std::string name)
        : board_(board)
        , wire_(wire)
        , name_(std::move(name)) {}

    bool sendFrame(std::span<const std::uint8_t> frame) override {
        board_.sendOut(*this, frame);
        return true;
    }

    ClientId id() const { return id_; }
    void setId(ClientId id) { id_ = id; }
    FrameSink& wire() { return wire_; }
    const std::string& name() const { return name_; }

private:
    Switchboard& board_;
    FrameSink& wire_;
    const std::string name_;
    ClientId id_ = kNoClient;
};

Switchboard::Switchboard(DataCentre& dataCentre, FaultInjector& faults, TrafficLog& log,
                         const Clock& clock)
    : dataCentre_(dataCentre)
    , faults_(faults)
    , log_(log)
    , clock_(clock) {}

Switchboard::~Switchboard() {
    while (!paths_.empty()) {
        disconnect(paths_.begin()->first);
    }
}

ClientId Switchboard::connect(FrameSink& wire, std::string name, ClientOptions options) {
    auto path = std::make_unique<ClientPath>(*this, wire, std::move(name));
    path->setId(dataCentre_.connectClient(*path, options));
    if (path->id() == kNoClient) {
        log_.event(path->name(), "refused: too many clients");
        return kNoClient;
    }
    log_.event(path->name(), "connected");
    const ClientId id = path->id();
    paths_.emplace(id, std::move(path));
    return id;
}

void Switchboard::disconnect(ClientId client) {
    const auto found = paths_.find(client);
    if (found == paths_.end()) {
        return;
    }
    log_.event(found->second->name(), "disconnected");
    dataCentre_.disconnectClient(client);
    faults_.forget(client);
    paths_.erase(found);
}

void Switchboard::receive(ClientId client, std::span<const std::uint8_t> frame) {
    ClientPath* path = find(client);
    if (path == nullptr) {
        return;
    }
    ++framesReceived_;
    log_.received(path->name(), frame);
    const FaultInjector::Fault fault = faults_.pass(
        TrafficDirection::In, client, frame, clock_.nowMs(),
        [this](ClientId to, std::span<const std::uint8_t> bytes) { deliverIn(to, bytes); });
    log_.fault(path->name(), TrafficDirection::In, fault, frame);
}

void Switchboard::tick() {
    faults_.releaseDue(clock_.nowMs(), [this](TrafficDirection direction, ClientId client,
                                              std::span<const std::uint8_t> frame) {
        if (direction == TrafficDirection::In) {
            deliverIn(client, frame);
        } else {
            deliverOut(client, frame);
        }
    });
}

void Switchboard::sendOut(ClientPath& path, std::span<const std::uint8_t> frame) {
    const FaultInjector::Fault fault = faults_.pass(
        TrafficDirection::Out, path.id(), frame, clock_.nowMs(),
        [this](ClientId to, std::span<const std::uint8_t> bytes) { deliverOut(to, bytes); });
    log_.fault(path.name(), TrafficDirection::Out, fault, frame);
}

void Switchboard::deliverIn(ClientId client, std::span<const std::uint8_t> frame) {
    dataCentre_.handleFrame(client, frame);
}

void Switchboard::deliverOut(ClientId client, std::span<const std::uint8_t> frame) {
    ClientPath* path = find(client);
    if (path == nullptr) {
        return;
    }
    ++framesSent_;
    log_.sent(path->name(), frame);
    path->wire().sendFrame(frame);
}

Switchboard::ClientPath* Switchboard::find(ClientId client) {
    const auto found = paths_.find(client);
    return found == paths_.end() ? nullptr : found->second.get();
}

} // namespace v32::dc
