#pragma once

namespace v32 {

// The per-channel parameter numbers of each channel kind; paramId(kind, index, number)
// turns them into identifiers. The generic fader, on and solo numbers of ParamId.h stand
// for the kind's own ones and are what kind-independent code uses.
//
// Sends are numbered by the bus index they feed: the send to bus index b is the first bus
// send plus b, so MAIN L and MAIN R (bus indexes 16 and 17) follow the AUX sends after two
// spare numbers. The monitor sends double as solo.

// Equaliser bands are runs of four numbers from a kind's first band number.
struct EqBandNumber {
    static constexpr int kNumbersPerBand = 4;
    static constexpr int kType = 0;
    static constexpr int kFrequency = 1;
    static constexpr int kGain = 2;
    static constexpr int kQ = 3;
};

struct InputNumber {
    static constexpr int kFirst = 0;
    static constexpr int kLast = 71;
    // High impedance in bit 0.
    static constexpr int kHighImpedance = 0;
    static constexpr int kPhantom = 1;
    static constexpr int kGateOn = 2;
    static constexpr int kGateThreshold = 3;
    static constexpr int kGateAttack = 5;
    static constexpr int kGateDecay = 6;
    static constexpr int kGateHold = 7;
    static constexpr int kGain = 8;
    static constexpr int kPhase = 9;
    static constexpr int kOn = 10;
    static constexpr int kPan = 11;
    static constexpr int kFader = 12;
    static constexpr int kFirstBusSend = 13;
    static constexpr int kFirstAuxSend = 13;
    static constexpr int kLastAuxSend = 26;
    static constexpr int kMainLeftSend = 29;
    static constexpr int kMainRightSend = 30;
    static constexpr int kMonitorLeftSend = 31;
    static constexpr int kMonitorRightSend = 32;
    static constexpr int kSolo = kMonitorLeftSend;
    static constexpr int kFirstEffectSend = 33;
    static constexpr int kLastEffectSend = 36;
    static constexpr int kDelay = 38;
    static constexpr int kCompressorOn = 39;
    static constexpr int kCompressorRatio = 40;
    static constexpr int kCompressorAttack = 41;
    static constexpr int kCompressorRelease = 42;
    static constexpr int kCompressorThreshold = 43;
    static constexpr int kCompressorGain = 45;
    static constexpr int kParametricEqOn = 46;
    static constexpr int kHighPassCode = 48;
    static constexpr int kHighPassFrequency = 49;
    static constexpr int kLowPassCode = 50;
    static constexpr int kLowPassFrequency = 51;
    static constexpr int kFirstBand = 52;
    static constexpr int kBandCount = 5;
};

struct EffectNumber {
    static constexpr int kFirst = 181;
    static constexpr int kLast = 234;
    static constexpr int kFader = 181;
    static constexpr int kOn = 182;
    static constexpr int kFirstBusSend = 183;
    static constexpr int kFirstAuxSend = 183;
    static constexpr int kLastAuxSend = 196;
    static constexpr int kMainLeftSend = 199;
    static constexpr int kMainRightSend = 200;
    static constexpr int kMonitorLeftSend = 201;
    static constexpr int kMonitorRightSend = 202;
    static constexpr int kSolo = kMonitorLeftSend;
    static constexpr int kParametricEqOn = 203;
    static constexpr int kHighPassCode = 205;
    static constexpr int kHighPassFrequency = 206;
    static constexpr int kLowPassCode = 207;
    static constexpr int kLowPassFrequency = 208;
    static constexpr int kFirstBand = 209;
    static constexpr int kBandCount = 5;
    static constexpr int kEffectType = 229;
    static constexpr int kFirstEffectParam = 230;
    static constexpr int kSecondEffectParam = 231;
    static constexpr int kPreset = 234;
};

struct BusNumber {
    static constexpr int kFirst = 72;
    static constexpr int kLast = 180;
    static constexpr int kFader = 72;
    static constexpr int kPhase = 73;
    static constexpr int kOn = 74;
    static constexpr int kDelay = 77;
    static constexpr int kCompressorOn = 78;
    static constexpr int kCompressorRatio = 79;
    static constexpr int kCompressorAttack = 80;
    static constexpr int kCompressorRelease = 81;
    static constexpr int kCompressorThreshold = 82;
    static constexpr int kCompressorGain = 83;
    // A bus pair's monitor sends cross over: the left one of a bus pairs with the right one
    // of its partner.
    static constexpr int kMonitorLeftSend = 84;
    static constexpr int kMonitorRightSend = 85;
    static constexpr int kSolo = kMonitorLeftSend;
    static constexpr int kGraphicEqOn = 86;
    static constexpr int kParametricEqOn = 87;
    static constexpr int kHighPassCode = 89;
    static constexpr int kHighPassFrequency = 90;
    static constexpr int kLowPassCode = 91;
    static constexpr int kLowPassFrequency = 92;
    static constexpr int kFirstBand = 93;
    static constexpr int kBandCount = 7;
    static constexpr int kFirstGraphicBand = 121;
    static constexpr int kGraphicBandCount = 15;
};

struct DcaNumber {
    static constexpr int kFirst = 235;
    static constexpr int kLast = 243;
    static constexpr int kDcaOn = 235;
    static constexpr int kFader = 236;
    static constexpr int kOn = 237;
    static constexpr int kMonitorSend = 238;
    static constexpr int kSolo = kMonitorSend;
    // Membership words, one bit per channel slot (see MemberBits).
    static constexpr int kFirstMemberWord = 239;
};

struct MuteGroupNumber {
    static constexpr int kFirst = 244;
    static constexpr int kLast = 248;
    static constexpr int kActive = 244;
    // Membership words, one bit per channel slot (see MemberBits).
    static constexpr int kFirstMemberWord = 245;
};

struct PhantomGroupNumber {
    static constexpr int kFirst = 249;
    static constexpr int kLast = 251;
    static constexpr int kOn = 249;
    // Membership words over the first 32 channel slots only (see MemberBits).
    static constexpr int kFirstMemberWord = 250;
    static constexpr int kMemberSlots = 32;
};

} // namespace v32
