#pragma once

#include <cstdint>

namespace v32 {

inline constexpr int kValueKindCount = 45;

// What a parameter's raw word holds; the number is the row of the value-kind table, so the
// descriptor table, the value texts and the screens agree on one meaning per row. Rows
// without a record fall back to a raw word and are named for that, so that a kind number
// never appears bare.
enum ValueKindId : std::uint8_t {
    ValueRawWord = 0,
    ValueOnOff = 1,
    ValuePan = 2,
    ValueInputGain = 3,
    ValueDelay = 4,
    ValueGateThreshold = 5,
    ValueGateAttack = 6,
    ValueGateHold = 7,
    // A multiple chosen from 2, 4, 6, 8, 16 and 32 rather than a scaled number.
    ValueGateDecay = 8,
    // Tenths from -80.0 to 0 that no identifier holds yet.
    ValueSignedTenths = 9,
    ValueCompressorThreshold = 10,
    ValueCompressorAttack = 11,
    ValueCompressorRatio = 12,
    ValueCompressorRelease = 13,
    ValueCompressorGain = 14,
    // Level in bits 0-13, other switches of the parameter in bits 14 and 15.
    ValueFaderLevel = 15,
    // Level in bits 0-13 and the pre-fader flag in bit 15.
    ValueSendLevel = 16,
    ValueHighPassCode = 17,
    ValueLowPassCode = 18,
    ValueHighPassFrequency = 19,
    ValueLowPassFrequency = 20,
    ValueBandFrequency = 21,
    ValueBandGain = 22,
    ValueBandQ = 23,
    ValueGraphicFrequency = 24,
    ValueGraphicGain = 25,
    ValueGraphicQ = 26,
    ValueEffectType = 27,
    // The two effect parameters read their text from the effect type of their channel.
    ValueEffectFirstParam = 28,
    ValueEffectSecondParam = 29,
    ValueUnassigned30 = 30,
    ValueUnassigned31 = 31,
    // A number from 1 to 32 shown as itself.
    ValueNumber1To32 = 32,
    ValueUnassigned33 = 33,
    ValueUnassigned34 = 34,
    ValueUnassigned35 = 35,
    ValueUnassigned36 = 36,
    ValueUnassigned37 = 37,
    // Tenths of a millisecond from 0 to 40.0.
    ValueShortTime = 38,
    // 0 is inverted, any other value normal.
    ValuePhase = 39,
    ValueUnassigned40 = 40,
    ValueUnassigned41 = 41,
    ValueUnassigned42 = 42,
    ValuePercent = 43,
    ValueLampLevel = 44,
};

} // namespace v32
