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

// How many channels a kind has and which parameter numbers each of them owns; all zero
// for a kind without channels.
struct ChannelLayout {
    int channelCount = 0;
    int firstNumber = 0;
    int lastNumber = 0;
};

ChannelLayout channelLayoutOf(int kind);

// What an identifier is: the channel parameter it belongs to (kind 0 when it belongs to
// none) and the kind of value it holds.
struct ParamDescriptor {
    std::uint8_t index = 0;
    std::uint8_t kind = 0;
    std::uint8_t number = 0;
    std::uint8_t valueKind = 0;
};

// Identifier of a channel parameter; kInvalidParam when the triple names none. The fader,
// on and solo numbers are accepted for channel kinds 1 to 4.
ParamId paramId(int kind, int index, int number);

// The descriptor row of an identifier; all zero for identifiers outside the table.
ParamDescriptor descriptorOf(ParamId id);

// Reverse look-ups from the descriptor table (all zero for identifiers outside it).
int channelKindOf(ParamId id);
int channelIndexOf(ParamId id);
int paramNumberOf(ParamId id);
int valueKindOf(ParamId id);

} // namespace v32
