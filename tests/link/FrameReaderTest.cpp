#include "app/link/FrameReader.h"

#include "tests/link/DispatcherRig.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::concat;
using test::frameOf;
using Mode = FrameReader::Mode;

const Bytes kFrameA = frameOf(0x06, {0x00, 0x64, 0x00, 0x07});
const Bytes kFrameB = frameOf(0x25, {0x00, 0xC8, 0x01, 0x02});

Bytes withBadCrc(Bytes frame) {
    frame.back() ^= 0xFF;
    return frame;
}

// A start byte whose length byte announces more bytes than follow.
const Bytes kUnfinishedCandidate{0x80, 0x40, 0x25};

Bytes oversizedCandidate() {
    Bytes candidate(257, 0x00);
    candidate[0] = 0x80;
    candidate[1] = 0xFF;
    return candidate;
}

struct ReaderCase {
    const char* name;
    Bytes queued;
    Mode mode;
    std::vector<Bytes> frames;
    std::size_t left;
};

TEST(FrameReaderTest, CutsFramesAndLeavesWhatIsNotOneYet) {
    const std::vector<ReaderCase> cases{
        {"two frames back to back",
         concat({kFrameA, kFrameB}),
         Mode::Normal,
         {kFrameA, kFrameB},
         0},
        {"garbage before a frame is dropped",
         concat({{0x00, 0x12, 0x80, 0x01}, kFrameA}),
         Mode::Normal,
         {kFrameA},
         0},
        {"a bad CRC costs one byte",
         concat({withBadCrc(kFrameA), kFrameB}),
         Mode::Normal,
         {kFrameB},
         0},
        {"a short length byte is no frame",
         concat({{0x80, 0x02, 0x00, 0x00, 0x00}, kFrameA}),
         Mode::Normal,
         {kFrameA},
         0},
        {"a partial frame waits",
         Bytes(kFrameA.begin(), kFrameA.end() - 1),
         Mode::Normal,
         {},
         kFrameA.size() - 1},
        {"fewer than five bytes wait", {0x80, 0x05, 0x06}, Mode::Normal, {}, 3},
        {"garbage alone is dropped", {0x01, 0x02, 0x03}, Mode::Normal, {}, 0},
        {"an oversized frame is removed unhandled",
         concat({oversizedCandidate(), kFrameA}),
         Mode::Normal,
         {},
         kFrameA.size()},
        {"normal mode waits behind an unfinished candidate",
         concat({kUnfinishedCandidate, kFrameA}),
         Mode::Normal,
         {},
         kUnfinishedCandidate.size() + kFrameA.size()},
        {"scan mode finds the frame behind an unfinished candidate",
         concat({kUnfinishedCandidate, kFrameA}),
         Mode::Scan,
         {kFrameA},
         0},
        {"scan mode steps over a bad CRC",
         concat({withBadCrc(kFrameA), kFrameB}),
         Mode::Scan,
         {kFrameB},
         0},
        {"scan mode keeps a partial frame",
         concat({kFrameA, {0x80, 0x09, 0x25}}),
         Mode::Scan,
         {kFrameA},
         3},
        {"scan mode steps over an oversized candidate",
         concat({{0x80, 0xFF}, kFrameA}),
         Mode::Scan,
         {kFrameA},
         0},
        {"scan mode finds nothing in garbage",
         {0x01, 0x80, 0x07, 0x02, 0x03, 0x04},
         Mode::Scan,
         {},
         6},
    };
    for (const ReaderCase& c : cases) {
        ReceiveQueue queue;
        ASSERT_TRUE(queue.append(c.queued)) << c.name;
        FrameReader reader(queue);
        std::vector<Bytes> frames;
        for (std::span<const std::uint8_t> frame = reader.next(c.mode); !frame.empty();
             frame = reader.next(c.mode)) {
            frames.emplace_back(frame.begin(), frame.end());
        }
        EXPECT_EQ(frames, c.frames) << c.name;
        EXPECT_EQ(queue.size(), c.left) << c.name;
    }
}

TEST(FrameReaderTest, ReadsFramesThatWrapAroundTheQueueEnd) {
    ReceiveQueue queue;
    ASSERT_TRUE(queue.append(Bytes(1020, 0x00)));
    queue.consume(1020);
    ASSERT_TRUE(queue.append(concat({kFrameA, kFrameB})));
    FrameReader reader(queue);

    for (const Mode mode : {Mode::Scan, Mode::Normal}) {
        const std::span<const std::uint8_t> frame = reader.next(mode);
        const Bytes& expected = mode == Mode::Scan ? kFrameA : kFrameB;
        EXPECT_EQ(Bytes(frame.begin(), frame.end()), expected);
    }
    EXPECT_TRUE(queue.empty());
}

} // namespace
} // namespace v32
