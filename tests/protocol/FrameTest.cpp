#include "app/protocol/Frame.h"

#include "app/protocol/Crc16.h"
#include "app/protocol/DatagramValidator.h"
#include "app/protocol/FixedFrames.h"
#include "tests/protocol/TestFrames.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace v32 {
namespace {

using test::Bytes;
using test::makeFrame;

struct FixedFrameCase {
    const char* name;
    MessageCode code;
    Bytes payload;
    Bytes expected;
};

TEST(FrameTest, BuilderReproducesTheFixedFrames) {
    const std::array<FixedFrameCase, 3> cases{{
        {"identify", MSG_IDENTIFY, {0x00}, Bytes(kIdentifyRequest.begin(), kIdentifyRequest.end())},
        {"keep-alive probe",
         MSG_PARAM_QUERY,
         {0x00, 0x00},
         Bytes(kKeepAliveProbe.begin(), kKeepAliveProbe.end())},
        {"keep-alive reply",
         MSG_PARAM_QUERY,
         {0x00, 0x00, 0x00, 0x00},
         Bytes(kKeepAliveReply.begin(), kKeepAliveReply.end())},
    }};
    for (const FixedFrameCase& c : cases) {
        EXPECT_EQ(makeFrame(c.code, c.payload), c.expected) << c.name;
    }
}

struct CapacityCase {
    std::size_t capacity;
    std::size_t payloadSize;
    std::size_t expectedLength;
};

TEST(FrameTest, BuilderRefusesPayloadsThatDoNotFit) {
    constexpr std::array<CapacityCase, 5> cases{{
        {256, 251, 256},
        {256, 252, 0},
        {256, 0, 5},
        {10, 5, 10},
        {10, 6, 0},
    }};
    for (const CapacityCase& c : cases) {
        Bytes buffer(c.capacity, 0xAA);
        const Bytes payload(c.payloadSize, 0x11);
        const std::size_t length = buildFrame(buffer, MSG_TEXT_QUERY, payload);
        EXPECT_EQ(length, c.expectedLength) << c.capacity << "/" << c.payloadSize;
        if (length == 0) {
            EXPECT_EQ(buffer, Bytes(c.capacity, 0xAA)) << "a refused frame leaves the buffer";
        } else {
            EXPECT_EQ(checkFrame(std::span(buffer).first(length)).status, FrameStatus::Ok);
        }
    }
}

TEST(FrameTest, LargestFrameCarriesItsPayloadUnchanged) {
    Bytes payload(kMaxPayload);
    for (std::size_t i = 0; i < payload.size(); ++i) {
        payload[i] = static_cast<std::uint8_t>(i);
    }
    const Bytes frame = makeFrame(MSG_TEXT_COMMAND, payload);
    ASSERT_EQ(frame.size(), kFrameCapacity);
    EXPECT_EQ(frame[1], 254);
    EXPECT_EQ(frame[2], MSG_TEXT_COMMAND);
    const std::span<const std::uint8_t> read = framePayload(frame);
    EXPECT_EQ(Bytes(read.begin(), read.end()), payload);
}

Bytes withByte(Bytes bytes, std::size_t index, std::uint8_t value) {
    bytes[index] = value;
    return bytes;
}

Bytes firstBytes(const Bytes& bytes, std::size_t count) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

// A frame announcing N = 255, with a CRC that matches its 255 covered bytes.
Bytes frameOfLength257() {
    Bytes frame(257, 0x00);
    frame[0] = kFrameStart;
    frame[1] = 0xFF;
    frame[2] = MSG_PARAM_SET;
    writeWord(frame, 255, Crc16::of(std::span(frame).first(255)));
    return frame;
}

struct StreamCase {
    std::string name;
    Bytes buffered;
    FrameStatus status;
    std::size_t length;
};

std::vector<StreamCase> streamCases() {
    const Bytes identify(kIdentifyRequest.begin(), kIdentifyRequest.end());
    const Bytes largest = makeFrame(MSG_PARAM_SET, Bytes(kMaxPayload, 0x42));
    return {
        {"nothing buffered", {}, FrameStatus::Incomplete, 0},
        {"start byte only", {0x80}, FrameStatus::Incomplete, 0},
        {"four bytes", firstBytes(identify, 4), FrameStatus::Incomplete, 0},
        {"last CRC byte missing", firstBytes(identify, 5), FrameStatus::Incomplete, 0},
        {"whole frame", identify, FrameStatus::Ok, 6},
        {"frame followed by more", test::concat(identify, identify), FrameStatus::Ok, 6},
        {"largest frame", largest, FrameStatus::Ok, 256},
        {"bad start byte", withByte(identify, 0, 0x81), FrameStatus::BadStart, 0},
        {"bad start byte, one byte", {0x00}, FrameStatus::BadStart, 0},
        {"bad CRC high byte", withByte(identify, 4, 0x26), FrameStatus::BadCrc, 0},
        {"bad CRC low byte", withByte(identify, 5, 0x69), FrameStatus::BadCrc, 0},
        {"payload changed", withByte(identify, 3, 0x01), FrameStatus::BadCrc, 0},
        {"length points past the bytes",
         {0x80, 0x20, 0x06, 0x00, 0x00},
         FrameStatus::Incomplete,
         0},
        {"N = 255 not yet whole", firstBytes(frameOfLength257(), 256), FrameStatus::Incomplete, 0},
        {"N = 255 whole", frameOfLength257(), FrameStatus::Oversized, 257},
        {"N = 0", {0x80, 0x00, 0xFF, 0xFF, 0xFF}, FrameStatus::BadLength, 0},
        {"N = 2", {0x80, 0x02, 0x00, 0x00, 0x00}, FrameStatus::BadLength, 0},
    };
}

TEST(FrameTest, StreamCheckReadsOnlyTheBytesGiven) {
    for (const StreamCase& c : streamCases()) {
        const FrameCheck check = checkFrame(c.buffered);
        EXPECT_EQ(check.status, c.status) << c.name;
        EXPECT_EQ(check.length, c.length) << c.name;
    }
}

TEST(FrameTest, PayloadIsEmptyUnlessTheWholeFrameIsThere) {
    const Bytes identify(kIdentifyRequest.begin(), kIdentifyRequest.end());
    EXPECT_EQ(framePayload(identify).size(), 1U);
    EXPECT_TRUE(framePayload(firstBytes(identify, 5)).empty());
    EXPECT_TRUE(framePayload(Bytes{0x80, 0x02, 0x00, 0x00, 0x00}).empty());
    EXPECT_EQ(framePayload(test::concat(identify, {0x01, 0x02})).size(), 1U)
        << "bytes after the frame are not payload";
}

// A long-form discovery reply of the given size: N = 0xFF, code 0xFF and, if the
// datagram has room for it, the CRC of the first 262 bytes at 262.
Bytes longFormDatagram(std::size_t size) {
    Bytes datagram(size, 0x00);
    datagram[0] = kFrameStart;
    datagram[1] = 0xFF;
    datagram[2] = 0xFF;
    if (size >= 264) {
        writeWord(datagram, 262, Crc16::of(std::span(datagram).first(262)));
    }
    return datagram;
}

struct DatagramCase {
    std::string name;
    Bytes datagram;
    bool valid;
};

TEST(FrameTest, DatagramValidator) {
    const Bytes identify(kIdentifyRequest.begin(), kIdentifyRequest.end());
    const std::vector<DatagramCase> cases{
        {"identify request", identify, true},
        {"frame with trailing bytes", test::concat(identify, {0x00, 0x00}), true},
        {"empty", {}, false},
        {"start byte only", {0x80}, false},
        {"truncated", firstBytes(identify, 5), false},
        {"bad start byte", withByte(identify, 0, 0x00), false},
        {"bad CRC", withByte(identify, 5, 0x00), false},
        {"N = 2", {0x80, 0x02, 0x00, 0x00, 0x00}, false},
        {"N = 255 with another code", frameOfLength257(), true},
        {"long form in a 256-byte buffer", longFormDatagram(256), false},
        {"long form of 263 bytes", longFormDatagram(263), false},
        {"long form of 264 bytes", longFormDatagram(264), true},
        {"long form with bad CRC", withByte(longFormDatagram(264), 100, 0x01), false},
    };
    for (const DatagramCase& c : cases) {
        EXPECT_EQ(isValidDatagram(c.datagram), c.valid) << c.name;
    }
}

} // namespace
} // namespace v32
