#pragma once

#include "app/protocol/FrameSink.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/MessageSender.h"
#include "app/protocol/PairList.h"
#include "tools/velmar32-dc/DataCentre.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace v32::dc::test {

using Bytes = std::vector<std::uint8_t>;

// A frame in a heap buffer of exactly its own size, so that any read past it trips ASan.
Bytes makeFrame(MessageCode code, std::span<const std::uint8_t> payload);
Bytes bytesOf(std::string_view text);

// One frame the data centre sent to a client.
struct ReceivedFrame {
    Bytes bytes;

    std::uint8_t code() const { return bytes.at(2); }
    std::span<const std::uint8_t> payload() const;
    std::vector<ParamPair> pairs() const;
    std::string text() const;
};

// A client of the data centre in the same process: what it sends goes straight to
// handleFrame, what the data centre sends it is kept. The control surface's own message
// sender builds its requests, so the frames are the ones the control surface sends.
class TestClient final : public FrameSink {
public:
    explicit TestClient(DataCentre& dataCentre, ClientOptions options = {});
    ~TestClient() override;

    TestClient(const TestClient&) = delete;
    TestClient& operator=(const TestClient&) = delete;

    bool sendFrame(std::span<const std::uint8_t> frame) override;

    MessageSender& ui() { return sender_; }
    void sendRaw(std::span<const std::uint8_t> frame);
    void send(MessageCode code, std::span<const std::uint8_t> payload);
    // Talks once, as a control surface does on connecting, so that it hears broadcasts.
    void join();

    ClientId id() const { return id_; }
    const std::vector<ReceivedFrame>& frames() const { return frames_; }
    std::vector<ReceivedFrame> framesWith(std::uint8_t code) const;
    // Every pair of every frame with this code, in order.
    std::vector<ParamPair> pairsOf(std::uint8_t code) const;
    // The text of every frame with this code, one after the other.
    std::string textOf(std::uint8_t code) const;
    void clear() { frames_.clear(); }

private:
    class Uplink final : public FrameSink {
    public:
        explicit Uplink(TestClient& client)
            : client_(client) {}
        bool sendFrame(std::span<const std::uint8_t> frame) override;

    private:
        TestClient& client_;
    };

    DataCentre& dataCentre_;
    ClientId id_ = kNoClient;
    Uplink uplink_{*this};
    MessageSender sender_{uplink_};
    std::vector<ReceivedFrame> frames_;
};

} // namespace v32::dc::test
