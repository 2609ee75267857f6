#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace v32 {

// Small state bytes beside the parameters: the analyser bands read from the device and the
// done flags that the scene operations and the full read leave for the screens to poll.
class StatusBytes {
public:
    static constexpr int kCount = 36;
    static constexpr int kAnalyserBandCount = 31;
    static constexpr int kSceneCallDone = 31;
    static constexpr int kSceneSaveDone = 32;
    static constexpr int kFullReadDone = 33;
    static constexpr int kTransferScene = 34;
    static constexpr int kTransferTextItem = 35;

    std::uint8_t at(int index) const;
    void set(int index, std::uint8_t value);
    bool isSet(int index) const { return at(index) != 0; }

    // Stores analyser bands from `first` on; bytes that would land beyond the last band
    // are dropped so a report can never touch the done flags.
    void storeAnalyserBands(int first, std::span<const std::uint8_t> bands);

private:
    std::array<std::uint8_t, kCount> m_bytes{};
};

} // namespace v32
