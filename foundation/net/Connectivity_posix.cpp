#include "foundation/net/Connectivity.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

bool isConnectedToInternet()
{
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    bool online = false;
    for (ifaddrs* entry = interfaces; entry != nullptr && !online; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr)
            continue;
        int family = entry->ifa_addr->sa_family;
        bool up = (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0;
        online = up && (family == AF_INET || family == AF_INET6);
    }
    freeifaddrs(interfaces);
    return online;
}
