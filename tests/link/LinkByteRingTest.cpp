#include "app/link/LinkByteRing.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace v32 {
namespace {

std::vector<std::uint8_t> sequence(std::size_t count, std::uint8_t first = 0) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::vector<std::uint8_t> popAll(LinkByteRing& ring) {
    std::vector<std::uint8_t> bytes(LinkByteRing::kStorageSize);
    bytes.resize(ring.popBytes(bytes));
    return bytes;
}

TEST(LinkByteRingTest, EmptyRingGivesNothing) {
    LinkByteRing ring;
    std::uint8_t byte = 0xAA;
    EXPECT_TRUE(ring.empty());
    EXPECT_FALSE(ring.pop(byte));
    EXPECT_EQ(byte, 0xAA);
}

TEST(LinkByteRingTest, HoldsOneByteLessThanItsStorageAndDropsTheRest) {
    LinkByteRing ring;
    const std::vector<std::uint8_t> bytes = sequence(LinkByteRing::kStorageSize);
    EXPECT_EQ(ring.pushBytes(bytes), LinkByteRing::kCapacity);
    EXPECT_EQ(ring.size(), LinkByteRing::kCapacity);
    EXPECT_FALSE(ring.push(0x55));

    const std::vector<std::uint8_t> kept(bytes.begin(), bytes.begin() + LinkByteRing::kCapacity);
    EXPECT_EQ(popAll(ring), kept);
    EXPECT_TRUE(ring.empty());
}

TEST(LinkByteRingTest, DatagramArrivingAt1020BytesKeepsOnlyItsFirstThree) {
    LinkByteRing ring;
    ASSERT_EQ(ring.pushBytes(std::vector<std::uint8_t>(1020, 0x00)), 1020u);
    const std::vector<std::uint8_t> datagram = sequence(10, 0x80);
    EXPECT_EQ(ring.pushBytes(datagram), 3u);

    const std::vector<std::uint8_t> all = popAll(ring);
    ASSERT_EQ(all.size(), 1023u);
    EXPECT_EQ(std::vector<std::uint8_t>(all.end() - 3, all.end()),
              std::vector<std::uint8_t>(datagram.begin(), datagram.begin() + 3));
}

TEST(LinkByteRingTest, KeepsOrderAcrossTheEndOfItsStorage) {
    LinkByteRing ring;
    // Walk the indexes round several times with blocks that do not divide the storage size.
    std::uint8_t next = 0;
    for (int round = 0; round < 12; ++round) {
        const std::vector<std::uint8_t> block = sequence(700, next);
        ASSERT_EQ(ring.pushBytes(block), block.size());
        EXPECT_EQ(ring.size(), block.size());
        EXPECT_EQ(popAll(ring), block) << "round " << round;
        next = static_cast<std::uint8_t>(next + block.size());
    }
}

TEST(LinkByteRingTest, PopFillsOnlyWhatIsQueued) {
    LinkByteRing ring;
    ring.pushBytes(sequence(5));
    std::vector<std::uint8_t> out(3);
    EXPECT_EQ(ring.popBytes(out), 3u);
    EXPECT_EQ(out, sequence(3));
    out.assign(8, 0);
    EXPECT_EQ(ring.popBytes(out), 2u);
    EXPECT_EQ(out[0], 3);
    EXPECT_EQ(out[1], 4);
}

TEST(LinkByteRingTest, ClearEmptiesAFullRing) {
    LinkByteRing ring;
    ring.pushBytes(sequence(LinkByteRing::kCapacity));
    ring.clear();
    EXPECT_TRUE(ring.empty());
    EXPECT_EQ(ring.pushBytes(sequence(LinkByteRing::kCapacity)), LinkByteRing::kCapacity);
}

} // namespace
} // namespace v32
