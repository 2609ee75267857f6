#pragma once

#include "app/model/Channel.h"
#include "app/model/ParamReader.h"
#include "app/protocol/PairList.h"

#include <cstdint>

namespace v32 {

// Which send parameter each cell of the overview's route matrix stands for: row 0 the
// sends to AUX1-AUX14, row 1 to FX1-FX4 (inputs only), row 2 to MAIN L and MAIN R. Buses
// send nowhere.
//
// The left input of a pair also shows its partner's sends: a fixed stereo input always, a
// mono pair while its link bit is set.
//
// A fixed stereo input keeps each send on one of its halves. Its MAIN L send lives on the
// left half and its MAIN R send on the right half, although both are written through the
// left half, which splits them; an AUX send lives on the right half while its source mode
// is "right only", else on the left half.
class RouteSends {
public:
    enum Row {
        RowAux = 0,
        RowFx = 1,
        RowMain = 2,
    };

    static constexpr std::uint16_t kLevelBits = 0x1FFF;

    // A cell of the matrix: its row and its place in the row.
    struct Cell {
        int row = -1;
        int cell = -1;

        bool isValid() const { return row >= 0; }
        bool operator==(const Cell&) const = default;
    };

    // Whether the channel has sends in the row.
    static bool hasRow(Channel channel, int row);
    // The cell of the matrix showing the channel that displays the parameter; an invalid
    // cell when the parameter is no send shown there: another channel's, an unlinked
    // neighbour's, the other half's of a fixed stereo input, or no send at all.
    static Cell cellOf(const ParamReader& values, Channel shown, ParamId id);
    // What moving a cell to a level writes: the cell's send with the level put into the
    // value it shows. The identifier is kInvalidParam when the channel has no such send.
    static ParamPair levelWrite(const ParamReader& values, Channel channel, int row, int cell,
                                std::uint16_t level);

    // The identifier a cell writes; kInvalidParam when the channel has no such send.
    static ParamId writtenId(Channel channel, int row, int cell);
    // The identifier that holds the send the cell shows.
    static ParamId shownId(const ParamReader& values, Channel channel, int row, int cell);
    // For a fixed stereo input: whether the send parameter is the half of the send that the
    // matrix shows. Parameters of other channels are not the stereo input's to choose: true.
    static bool isShownHalf(const ParamReader& values, Channel shown, ParamId id);
    // A send with a new level: the level bits replaced, the top three bits (pre-fader among
    // them) kept.
    static std::uint16_t withLevel(std::uint16_t send, std::uint16_t level) {
        return static_cast<std::uint16_t>((send & ~kLevelBits) | (level & kLevelBits));
    }
    // Whether AUX send m of the stereo input whose left half is leftIndex feeds only the
    // right half.
    static bool feedsRightOnly(const ParamReader& values, int leftIndex, int aux);
};

} // namespace v32
