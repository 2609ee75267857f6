#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct pollfd;

namespace v32::dc {

// Something the server loop waits on: it names its descriptors before each wait, is told
// which of them are ready, and is ticked once per round whether or not any was.
class Pollable {
public:
    virtual ~Pollable();

    virtual void addPollFds(std::vector<pollfd>& fds) = 0;
    // Exactly the entries this pollable added in this round, with their results.
    virtual void onPolled(std::span<const pollfd> fds) = 0;
    virtual void tick(std::uint32_t nowMs);
};

} // namespace v32::dc
