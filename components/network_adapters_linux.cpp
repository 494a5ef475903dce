// SPDX-License-Identifier: GPL-3.0-or-later
// The adapters as getifaddrs lists them, one per interface in the order of
// its first entry, and the default routes from /proc/net/route. Read without
// Qt's network module, which would bring a dozen libraries into every start
// of the program for this one question.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <QFile>
#include <algorithm>

#include "components/network_adapters.h"

namespace dialnote {

QList<NetworkAdapter> AdaptersOfInterfaces(const ifaddrs* entries) {
  QList<NetworkAdapter> adapters;
  for (const ifaddrs* entry = entries; entry != nullptr; entry = entry->ifa_next) {
    const QString name = QString::fromLocal8Bit(entry->ifa_name);
    auto adapter =
        std::find_if(adapters.begin(), adapters.end(),
                     [&name](const NetworkAdapter& known) { return known.name == name; });
    if (adapter == adapters.end()) {
      NetworkAdapter added;
      added.name = name;
      added.up = (entry->ifa_flags & IFF_UP) != 0;
      added.running = (entry->ifa_flags & IFF_RUNNING) != 0;
      added.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
      adapters.append(added);
      adapter = adapters.end() - 1;
    }
    if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET) {
      char text[INET_ADDRSTRLEN] = {};
      const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
      if (inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) != nullptr) {
        adapter->ipv4.append({QString::fromLatin1(text), true});
      }
    }
  }
  return adapters;
}

QList<NetworkAdapter> ReadNetworkAdapters() {
  ifaddrs* entries = nullptr;
  if (getifaddrs(&entries) != 0) return {};
  QList<NetworkAdapter> adapters = AdaptersOfInterfaces(entries);
  freeifaddrs(entries);

  // /proc files report no size: read to the end.
  QFile routes(QStringLiteral("/proc/net/route"));
  if (routes.open(QIODevice::ReadOnly)) ApplyDefaultRoutes(routes.readAll(), adapters);
  return adapters;
}

}  // namespace dialnote
