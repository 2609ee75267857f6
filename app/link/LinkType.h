#pragma once

namespace v32 {

// The transport that carries the frames. Only the identify lockout changes it at run time,
// to Disabled; None and Disabled send and receive nothing.
enum class LinkType : int {
    Serial = 1,
    Udp = 2,
    Tcp = 3,
    None = 4,
    Disabled = 5,
};

// Chosen when the program is built (the VELMAR32_LINK_TYPE cache variable).
inline constexpr LinkType kBuiltLinkType = static_cast<LinkType>(VELMAR32_LINK_TYPE);

static_assert(VELMAR32_LINK_TYPE >= 1 && VELMAR32_LINK_TYPE <= 5, "link type is 1 to 5");

} // namespace v32
