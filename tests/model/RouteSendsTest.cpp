#include "app/model/RouteSends.h"

#include "tests/support/StoredValues.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

constexpr ParamId kStereoSendModes = 5110;
// AUX3 (send 2) of CH29/30 fed from its right half only: mode 2 at bits 4-5.
constexpr std::uint16_t kAux3RightOnly = 2U << 4;

struct CellCase {
    const char* what;
    Channel channel;
    int row;
    int cell;
    ParamId written;
    ParamId shown;
};

const CellCase kCellCases[] = {
    {"input AUX",
     {KindInput, 4},
     RouteSends::RowAux,
     13,
     paramId(KindInput, 4, 26),
     paramId(KindInput, 4, 26)},
    {"input FX",
     {KindInput, 4},
     RouteSends::RowFx,
     3,
     paramId(KindInput, 4, 36),
     paramId(KindInput, 4, 36)},
    {"input MAIN R",
     {KindInput, 4},
     RouteSends::RowMain,
     1,
     paramId(KindInput, 4, 30),
     paramId(KindInput, 4, 30)},
    {"effect AUX",
     {KindEffect, 2},
     RouteSends::RowAux,
     0,
     paramId(KindEffect, 2, 183),
     paramId(KindEffect, 2, 183)},
    {"effect MAIN L",
     {KindEffect, 2},
     RouteSends::RowMain,
     0,
     paramId(KindEffect, 2, 199),
     paramId(KindEffect, 2, 199)},
    {"effects send to no FX", {KindEffect, 2}, RouteSends::RowFx, 0, kInvalidParam, kInvalidParam},
    {"buses send nowhere", {KindBus, 1}, RouteSends::RowAux, 0, kInvalidParam, kInvalidParam},
    {"beyond the row", {KindInput, 0}, RouteSends::RowMain, 2, kInvalidParam, kInvalidParam},
    {"stereo MAIN L on the left half",
     {KindInput, 28},
     RouteSends::RowMain,
     0,
     paramId(KindInput, 28, 29),
     paramId(KindInput, 28, 29)},
    {"stereo MAIN R read on the right half, written through the left",
     {KindInput, 30},
     RouteSends::RowMain,
     1,
     paramId(KindInput, 30, 30),
     paramId(KindInput, 31, 30)},
    {"stereo AUX fed by both halves",
     {KindInput, 28},
     RouteSends::RowAux,
     1,
     paramId(KindInput, 28, 14),
     paramId(KindInput, 28, 14)},
    {"stereo AUX fed by the right half only",
     {KindInput, 28},
     RouteSends::RowAux,
     2,
     paramId(KindInput, 28, 15),
     paramId(KindInput, 29, 15)},
};

TEST(RouteSendsTest, EachCellWritesAndShowsItsSend) {
    test::StoredValues values;
    values.set(kStereoSendModes, kAux3RightOnly);
    for (const CellCase& c : kCellCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RouteSends::writtenId(c.channel, c.row, c.cell), c.written);
        EXPECT_EQ(RouteSends::shownId(values, c.channel, c.row, c.cell), c.shown);
    }
}

TEST(RouteSendsTest, AStereoInputShowsEachSendFromTheHalfThatCarriesIt) {
    test::StoredValues values;
    values.set(kStereoSendModes, kAux3RightOnly);
    const Channel stereo{KindInput, 28};
    struct Case {
        int index;
        int number;
        bool shown;
    };
    const Case cases[] = {
        {28, 29, true},  {28, 30, false}, {29, 29, false}, {29, 30, true}, {28, 13, true},
        {29, 13, false}, {28, 15, false}, {29, 15, true},  {28, 33, true}, {29, 33, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RouteSends::isShownHalf(values, stereo, paramId(KindInput, c.index, c.number)),
                  c.shown)
            << "input " << c.index << " number " << c.number;
    }
    // Mono channels have no halves to choose from.
    EXPECT_TRUE(RouteSends::isShownHalf(values, {KindInput, 2}, paramId(KindInput, 3, 30)));
}

TEST(RouteSendsTest, ANewLevelKeepsTheTopThreeBits) {
    EXPECT_EQ(RouteSends::withLevel(0x8000 | 700, 1200), 0x8000 | 1200);
    EXPECT_EQ(RouteSends::withLevel(0xE000 | 1200, 0), 0xE000);
    EXPECT_EQ(RouteSends::withLevel(0x1FFF, 0x2010), 0x0010);
}

} // namespace
} // namespace v32
