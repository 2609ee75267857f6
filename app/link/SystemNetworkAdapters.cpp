#include "app/link/SystemNetworkAdapters.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace v32 {

std::vector<NetworkAdapter> listSystemNetworkAdapters() {
    std::vector<NetworkAdapter> adapters;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return adapters;
    }
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) {
            continue;
        }
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        adapters.push_back(NetworkAdapter{.name = entry->ifa_name,
                                          .address = ntohl(address->sin_addr.s_addr),
                                          .up = (entry->ifa_flags & IFF_UP) != 0,
                                          .loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0});
    }
    ::freeifaddrs(list);
    return adapters;
}

} // namespace v32
