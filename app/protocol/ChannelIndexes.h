#pragma once

namespace v32 {

// Channel indexes with a role of their own and the size of each channel kind; the
// parameter formulas and the screens' channel lists both rest on them.

struct InputIndex {
    static constexpr int kCount = 34;
    // Inputs below 28 are mono; 28, 30 and 32 are the first halves of the fixed stereo
    // inputs, 32 being the digital input.
    static constexpr int kMonoCount = 28;
    static constexpr int kFirstStereo = 28;
    static constexpr int kDigital = 32;
};

struct EffectIndex {
    static constexpr int kCount = 4;
};

// Bus indexes 14 and 15 carry no bus; their numbers keep MAIN L and MAIN R at 16 and 17.
struct BusIndex {
    static constexpr int kCount = 18;
    static constexpr int kAuxCount = 14;
    static constexpr int kMainLeft = 16;
    static constexpr int kMainRight = 17;
};

struct DcaIndex {
    static constexpr int kCount = 8;
};

struct MuteGroupIndex {
    static constexpr int kCount = 6;
};

struct PhantomGroupIndex {
    static constexpr int kCount = 4;
};

} // namespace v32
