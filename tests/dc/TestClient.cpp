#include "tests/dc/TestClient.h"

#include "app/protocol/Frame.h"
#include "app/protocol/PayloadText.h"

namespace v32::dc::test {

Bytes makeFrame(MessageCode code, std::span<const std::uint8_t> payload) {
    Bytes frame(payload.size() + kFrameOverhead);
    frame.resize(buildFrame(frame, code, payload));
    return frame;
}

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::span<const std::uint8_t> ReceivedFrame::payload() const {
    return framePayload(bytes);
}

std::vector<ParamPair> ReceivedFrame::pairs() const {
    const PairListView view(payload());
    return {view.begin(), view.end()};
}

std::string ReceivedFrame::text() const {
    return std::string(payloadText(payload()));
}

TestClient::TestClient(DataCentre& dataCentre, ClientOptions options)
    : dataCentre_(dataCentre)
    , id_(dataCentre.connectClient(*this, options)) {}

TestClient::~TestClient() {
    dataCentre_.disconnectClient(id_);
}

bool TestClient::sendFrame(std::span<const std::uint8_t> frame) {
    frames_.push_back({Bytes(frame.begin(), frame.end())});
    return true;
}

void TestClient::sendRaw(std::span<const std::uint8_t> frame) {
    const Bytes exact(frame.begin(), frame.end());
    dataCentre_.handleFrame(id_, exact);
}

void TestClient::send(MessageCode code, std::span<const std::uint8_t> payload) {
    sendRaw(makeFrame(code, payload));
}

void TestClient::join() {
    const ParamId onlineLock = 1;
    sender_.sendParamQuery(std::span(&onlineLock, 1));
    clear();
}

std::vector<ReceivedFrame> TestClient::framesWith(std::uint8_t code) const {
    std::vector<ReceivedFrame> found;
    for (const ReceivedFrame& frame : frames_) {
        if (frame.code() == code) {
            found.push_back(frame);
        }
    }
    return found;
}

std::vector<ParamPair> TestClient::pairsOf(std::uint8_t code) const {
    std::vector<ParamPair> pairs;
    for (const ReceivedFrame& frame : framesWith(code)) {
        const std::vector<ParamPair> more = frame.pairs();
        pairs.insert(pairs.end(), more.begin(), more.end());
    }
    return pairs;
}

std::string TestClient::textOf(std::uint8_t code) const {
    std::string text;
    for (const ReceivedFrame& frame : framesWith(code)) {
        text += frame.text();
    }
    return text;
}

bool TestClient::Uplink::sendFrame(std::span<const std::uint8_t> frame) {
    client_.sendRaw(frame);
    return true;
}

} // namespace v32::dc::test
