#pragma once

#include <string_view>

namespace v32 {

// The link's state as the user sees it: the online icon, and the connection-issue overlay
// that covers the whole screen with the text once the link is switched off for good.
class LinkStateListener {
public:
    virtual ~LinkStateListener() = default;

    virtual void showConnectionIssue(std::string_view text) = 0;
    virtual void showOnlineState(bool online) = 0;
};

} // namespace v32
