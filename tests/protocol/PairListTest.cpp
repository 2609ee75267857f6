#include "app/protocol/PairList.h"

#include "tests/protocol/TestFrames.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;

std::vector<ParamPair> numberedPairs(std::size_t count) {
    std::vector<ParamPair> pairs;
    for (std::size_t i = 0; i < count; ++i) {
        pairs.push_back({static_cast<ParamId>(5800 + i), static_cast<std::uint16_t>(0xA000 + i)});
    }
    return pairs;
}

TEST(PairListTest, PairsAreBigEndianIdentifierThenValue) {
    const std::array<ParamPair, 2> pairs{{{55, 0x55AA}, {5862, 0x0102}}};
    Bytes out(8);
    ASSERT_EQ(encodePairs(pairs, out), 2U);
    EXPECT_EQ(out, (Bytes{0x00, 0x37, 0x55, 0xAA, 0x16, 0xE6, 0x01, 0x02}));
}

struct EncodeLimitCase {
    std::size_t pairs;
    std::size_t outSize;
    std::size_t maxPairs;
    std::size_t encoded;
};

TEST(PairListTest, EncodingStopsAtTheFrameLimitOrTheBufferEnd) {
    constexpr std::array<EncodeLimitCase, 6> cases{{
        {61, kMaxPayload, kMaxPairsPerFrame, 60},
        {60, kMaxPayload, kMaxPairsPerFrame, 60},
        {5, kMaxPayload, kMaxPairsPerFrame, 5},
        {70, kMaxPayload, 62, 62},
        {10, 7, kMaxPairsPerFrame, 1},
        {0, kMaxPayload, kMaxPairsPerFrame, 0},
    }};
    for (const EncodeLimitCase& c : cases) {
        Bytes out(c.outSize);
        EXPECT_EQ(encodePairs(numberedPairs(c.pairs), out, c.maxPairs), c.encoded)
            << c.pairs << " pairs into " << c.outSize << " bytes";
    }
}

TEST(PairListTest, IdentifierListsHoldAtMostSixty) {
    std::vector<ParamId> ids;
    for (ParamId id = 0; id < 61; ++id) {
        ids.push_back(static_cast<ParamId>(id * 97));
    }
    Bytes out(kMaxPayload);
    ASSERT_EQ(encodeIds(ids, out), kMaxIdsPerFrame);
    EXPECT_EQ(readWord(out, 0), 0);
    EXPECT_EQ(readWord(out, 59 * kIdSize), 59 * 97);
    Bytes small(3);
    EXPECT_EQ(encodeIds(ids, small), 1U);
}

TEST(PairListTest, ViewReadsBackWhatWasEncoded) {
    const std::vector<ParamPair> pairs = numberedPairs(60);
    Bytes payload(pairs.size() * kPairSize);
    encodePairs(pairs, payload);
    const PairListView view(payload);
    ASSERT_EQ(view.size(), pairs.size());
    EXPECT_EQ(std::vector<ParamPair>(view.begin(), view.end()), pairs);
}

TEST(PairListTest, TrailingPartialPairIsIgnored) {
    for (std::size_t extra = 0; extra < kPairSize; ++extra) {
        // Exact-size buffer: reading the partial pair would be caught.
        Bytes payload{0x00, 0x01, 0x00, 0x02};
        payload.resize(kPairSize + extra, 0xEE);
        const PairListView view(payload);
        ASSERT_EQ(view.size(), 1U) << extra << " extra bytes";
        EXPECT_EQ(view[0], (ParamPair{1, 2}));
    }
    EXPECT_TRUE(PairListView(Bytes{0x00, 0x01, 0x00}).empty());
}

} // namespace
} // namespace v32
