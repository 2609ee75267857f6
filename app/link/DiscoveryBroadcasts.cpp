#include "app/link/DiscoveryBroadcasts.h"

#include <algorithm>
#include <array>

namespace v32 {

namespace {

constexpr std::uint32_t kLastNumberMask = 0xFFU;
constexpr std::string_view kBlanks = " \t";

// Name prefixes of the virtual adapters that Linux, container engines, hypervisors and VPNs
// create. Physical adapters are named eth*, en*, wl*, ww* or after their driver.
constexpr std::array<std::string_view, 19> kVirtualPrefixes{
    "br",     "docker", "veth",    "virbr", "vmnet", "vboxnet", "tun",   "tap", "lxcbr", "lxdbr",
    "podman", "cni",    "flannel", "cali",  "vxlan", "kube",    "weave", "wg",  "zt",
};

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isNamed(std::string_view name, std::span<const std::string> namedAdapters) {
    return std::find(namedAdapters.begin(), namedAdapters.end(), name) != namedAdapters.end();
}

bool isProbed(const NetworkAdapter& adapter, std::span<const std::string> namedAdapters) {
    if (!adapter.up || adapter.address == 0) {
        return false;
    }
    if (!namedAdapters.empty()) {
        return isNamed(adapter.name, namedAdapters);
    }
    return !adapter.loopback && !isVirtualAdapterName(adapter.name);
}

} // namespace

std::uint32_t discoveryBroadcastOf(std::uint32_t address) {
    return address | kLastNumberMask;
}

bool isVirtualAdapterName(std::string_view name) {
    return std::any_of(kVirtualPrefixes.begin(), kVirtualPrefixes.end(),
                       [name](std::string_view prefix) { return name.starts_with(prefix); });
}

std::vector<std::string> parseAdapterNames(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = trimBlanks(list.substr(0, comma));
        if (!item.empty()) {
            names.emplace_back(item);
        }
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return names;
}

std::vector<std::uint32_t> discoveryBroadcasts(std::span<const NetworkAdapter> adapters,
                                               std::span<const std::string> namedAdapters) {
    std::vector<std::uint32_t> broadcasts;
    std::vector<std::string_view> seen;
    for (const NetworkAdapter& adapter : adapters) {
        // Only an adapter's first address counts, whether or not it is probed.
        if (std::find(seen.begin(), seen.end(), adapter.name) != seen.end()) {
            continue;
        }
        seen.push_back(adapter.name);
        if (isProbed(adapter, namedAdapters)) {
            broadcasts.push_back(discoveryBroadcastOf(adapter.address));
        }
    }
    return broadcasts;
}

} // namespace v32
