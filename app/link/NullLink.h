#pragma once

#include "app/link/FrameDump.h"
#include "app/link/Link.h"

namespace v32 {

// The link of types None and Disabled: nothing leaves, nothing arrives, but frames the
// program hands over still show in the dump.
class NullLink final : public Link {
public:
    NullLink(LinkType type, const FrameDump& dump);

    LinkType type() const override { return type_; }
    bool open() override { return true; }
    void close() override {}
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue&) override { return 0; }

private:
    LinkType type_;
    const FrameDump& dump_;
};

} // namespace v32
