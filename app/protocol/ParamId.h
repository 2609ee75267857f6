#pragma once

#include <cstdint>

namespace v32 {

// A mixer parameter is addressed by a 16-bit identifier 0..5862.
using ParamId = std::uint16_t;

inline constexpr int kParamCount = 5863;
inline constexpr ParamId kLastParam = 5862;
inline constexpr ParamId kInvalidParam = 5215;

enum ChannelKind : std::uint8_t {
    KindNone = 0,
    KindInput = 1,
    KindEffect = 2,
    KindBus = 3,
    KindDca = 4,
    KindMuteGroup = 5,
    KindPhantomGroup = 6,
};

// Parameter numbers that mean the same role in every channel kind.
inline constexpr int kNumberFader = 252;
inline constexpr int kNumberOn = 253;
inline constexpr int kNumberSolo = 254;

// Identifier of a channel parameter; kInvalidParam when the triple names none.
ParamId paramId(int kind, int index, int number);

// Reverse look-ups from the descriptor table (all zero for identifiers outside it).
int channelKindOf(ParamId id);
int channelIndexOf(ParamId id);
int paramNumberOf(ParamId id);
int valueKindOf(ParamId id);

} // namespace v32
