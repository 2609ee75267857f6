#include "tests/surface/PrivateNetwork.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <set>

namespace v32::surface {

std::string privateNetworkProblem() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return "the network adapters cannot be listed";
    }
    std::set<std::string> othersUp;
    bool loopbackUp = false;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if ((entry->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        if ((entry->ifa_flags & IFF_LOOPBACK) != 0) {
            loopbackUp = true;
        } else {
            othersUp.insert(entry->ifa_name);
        }
    }
    ::freeifaddrs(list);
    if (!othersUp.empty()) {
        std::string names;
        for (const std::string& name : othersUp) {
            names += (names.empty() ? "" : ", ") + name;
        }
        return "adapters other than loopback are up (" + names + ")";
    }
    if (!loopbackUp) {
        return "loopback is down";
    }
    return {};
}

} // namespace v32::surface
