#include "app/model/RouteSends.h"

#include "tests/support/StoredValues.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

constexpr ParamId kStereoSendModes = 5110;
constexpr ParamId kInputLinks = 5108;
constexpr std::uint16_t kPreFader = 0x8000;
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

TEST(RouteSendsTest, EachSendOfTheShownChannelLandsOnItsCell) {
    struct Case {
        int kind;
        int number;
        int row;
        int cell;
    };
    const Case cases[] = {
        {KindInput, 13, RouteSends::RowAux, 0},    {KindInput, 20, RouteSends::RowAux, 7},
        {KindInput, 21, RouteSends::RowAux, 8},    {KindInput, 26, RouteSends::RowAux, 13},
        {KindInput, 29, RouteSends::RowMain, 0},   {KindInput, 30, RouteSends::RowMain, 1},
        {KindInput, 33, RouteSends::RowFx, 0},     {KindInput, 34, RouteSends::RowFx, 1},
        {KindInput, 36, RouteSends::RowFx, 3},     {KindEffect, 183, RouteSends::RowAux, 0},
        {KindEffect, 190, RouteSends::RowAux, 7},  {KindEffect, 196, RouteSends::RowAux, 13},
        {KindEffect, 199, RouteSends::RowMain, 0}, {KindEffect, 200, RouteSends::RowMain, 1},
    };
    const test::StoredValues values;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " number " << c.number);
        const RouteSends::Cell expected{c.row, c.cell};
        EXPECT_EQ(RouteSends::cellOf(values, {c.kind, 2}, paramId(c.kind, 2, c.number)), expected);
    }
}

TEST(RouteSendsTest, ParametersThatAreNotSendsOfTheShownChannelHaveNoCell) {
    struct Case {
        const char* what;
        Channel shown;
        ParamId id;
    };
    const Case cases[] = {
        {"another input", {KindInput, 2}, paramId(KindInput, 5, 13)},
        {"the unlinked neighbour", {KindInput, 2}, paramId(KindInput, 3, 13)},
        {"the previous input", {KindInput, 2}, paramId(KindInput, 1, 13)},
        {"an effect return of the same index", {KindInput, 2}, paramId(KindEffect, 2, 183)},
        {"the shown input's fader", {KindInput, 2}, paramId(KindInput, 2, 12)},
        {"a monitor send", {KindInput, 2}, paramId(KindInput, 2, 31)},
        {"the number after the last FX send", {KindInput, 2}, paramId(KindInput, 2, 37)},
        {"an effect return's number between its AUX and MAIN sends",
         {KindEffect, 1},
         paramId(KindEffect, 1, 197)},
        {"a bus parameter of the shown bus", {KindBus, 2}, paramId(KindBus, 2, 72)},
        {"the invalid identifier", {KindInput, 0}, kInvalidParam},
    };
    const test::StoredValues values;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(RouteSends::cellOf(values, c.shown, c.id).isValid());
    }
}

TEST(RouteSendsTest, ALinkedPairShowsThePartnersSendsToo) {
    struct Case {
        const char* what;
        int shown;
        std::uint16_t links;
        bool partnerShown;
    };
    const Case cases[] = {
        {"mono pair with its link bit", 2, 0x0002, true},
        {"mono pair without it", 2, 0x0001, false},
        {"fixed stereo input", 28, 0x0000, true},
        {"right half of a linked pair", 3, 0x0002, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::StoredValues values;
        values.set(kInputLinks, c.links);
        const RouteSends::Cell cell =
            RouteSends::cellOf(values, {KindInput, c.shown}, paramId(KindInput, c.shown + 1, 30));
        EXPECT_EQ(cell.isValid(), c.partnerShown);
        if (c.partnerShown) {
            EXPECT_EQ(cell, (RouteSends::Cell{RouteSends::RowMain, 1}));
        }
    }
}

TEST(RouteSendsTest, AStereoInputShowsNoSendOfTheHalfThatDoesNotCarryIt) {
    test::StoredValues values;
    values.set(kStereoSendModes, kAux3RightOnly);
    const Channel stereo{KindInput, 28};
    EXPECT_FALSE(RouteSends::cellOf(values, stereo, paramId(KindInput, 28, 30)).isValid());
    EXPECT_FALSE(RouteSends::cellOf(values, stereo, paramId(KindInput, 28, 15)).isValid());
    EXPECT_FALSE(RouteSends::cellOf(values, stereo, paramId(KindInput, 29, 14)).isValid());
    EXPECT_EQ(RouteSends::cellOf(values, stereo, paramId(KindInput, 29, 15)),
              (RouteSends::Cell{RouteSends::RowAux, 2}));
}

TEST(RouteSendsTest, TheChannelKindDecidesWhichRowsItHas) {
    struct Case {
        int kind;
        bool aux;
        bool fx;
        bool main;
    };
    const Case cases[] = {
        {KindInput, true, true, true},
        {KindEffect, true, false, true},
        {KindBus, false, false, false},
        {KindDca, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(RouteSends::hasRow({c.kind, 0}, RouteSends::RowAux), c.aux);
        EXPECT_EQ(RouteSends::hasRow({c.kind, 0}, RouteSends::RowFx), c.fx);
        EXPECT_EQ(RouteSends::hasRow({c.kind, 0}, RouteSends::RowMain), c.main);
        EXPECT_FALSE(RouteSends::hasRow({c.kind, 0}, 3));
    }
}

TEST(RouteSendsTest, MovingACellWritesItsSendWithTheNewLevelInTheShownValue) {
    struct Case {
        const char* what;
        Channel channel;
        int row;
        int cell;
        ParamPair expected;
    };
    const Case cases[] = {
        {"a pre-fader input AUX keeps its flag",
         {KindInput, 4},
         RouteSends::RowAux,
         0,
         {paramId(KindInput, 4, 13), kPreFader | 900}},
        {"an effect MAIN R",
         {KindEffect, 1},
         RouteSends::RowMain,
         1,
         {paramId(KindEffect, 1, 200), 900}},
        {"stereo MAIN R: written through the left half, flags of the right",
         {KindInput, 30},
         RouteSends::RowMain,
         1,
         {paramId(KindInput, 30, 30), kPreFader | 900}},
        {"stereo AUX fed by the right half only: flags of the right",
         {KindInput, 28},
         RouteSends::RowAux,
         2,
         {paramId(KindInput, 28, 15), kPreFader | 900}},
        {"effects send to no FX", {KindEffect, 1}, RouteSends::RowFx, 0, {kInvalidParam, 0}},
        {"buses send nowhere", {KindBus, 1}, RouteSends::RowAux, 0, {kInvalidParam, 0}},
    };
    test::StoredValues values;
    values.set(kStereoSendModes, kAux3RightOnly);
    values.set(paramId(KindInput, 4, 13), kPreFader | 100);
    values.set(paramId(KindInput, 31, 30), kPreFader | 100);
    values.set(paramId(KindInput, 30, 30), 100);
    values.set(paramId(KindInput, 29, 15), kPreFader | 100);
    values.set(paramId(KindInput, 28, 15), 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RouteSends::levelWrite(values, c.channel, c.row, c.cell, 900), c.expected);
    }
}

TEST(RouteSendsTest, ANewLevelKeepsTheTopThreeBits) {
    EXPECT_EQ(RouteSends::withLevel(0x8000 | 700, 1200), 0x8000 | 1200);
    EXPECT_EQ(RouteSends::withLevel(0xE000 | 1200, 0), 0xE000);
    EXPECT_EQ(RouteSends::withLevel(0x1FFF, 0x2010), 0x0010);
}

} // namespace
} // namespace v32
