#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>

namespace v32 {

// The scene transfer requests, one done flag each.
enum class TransferRequest : std::uint8_t {
    BlockRead,      // parameter values of the scene
    BlockWrite,     // parameter values of the scene
    BlockCommit,    // end of an import
    BlockNameRead,  // one of the 64 text items
    BlockNameWrite, // one of the 64 text items
    BlockTextRead,  // the scene name
    BlockTextWrite, // the scene name
};

inline constexpr std::size_t kTransferRequestCount = 7;

// What the pending transfer request asked for, so that its reply can be matched. The request
// stores it and clears its done flag; the matching reply sets the flag, which the transfer
// timers poll.
struct SceneTransferState {
    std::uint8_t scene = 0;
    std::uint16_t start = 0;
    std::uint8_t count = 0;
    std::uint8_t textIndex = 0;
    std::bitset<kTransferRequestCount> done;

    bool isDone(TransferRequest request) const { return done.test(bit(request)); }
    void setDone(TransferRequest request, bool value) { done.set(bit(request), value); }

private:
    static std::size_t bit(TransferRequest request) { return static_cast<std::size_t>(request); }
};

} // namespace v32
