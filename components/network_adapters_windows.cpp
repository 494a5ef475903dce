// SPDX-License-Identifier: GPL-3.0-or-later
// The adapters as GetAdaptersAddresses lists them, with their IPv4 unicast
// addresses, gateways and metrics, and the adapter that the routing table
// picks for a public destination.
// The system's headers must come in this order.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on

#include <vector>

#include "components/network_adapters.h"

namespace dialnote {
namespace {

// The interface the routing table sends a public destination through: the
// default route's. 203.0.113.1 is a documentation address: it names no real
// host, and only the table is consulted; nothing is sent.
bool BestInterface(DWORD& index) {
  sockaddr_in destination = {};
  destination.sin_family = AF_INET;
  destination.sin_addr.s_addr = htonl(0xCB007101u);  // 203.0.113.1
  return GetBestInterfaceEx(reinterpret_cast<sockaddr*>(&destination), &index) == NO_ERROR;
}

bool HasIPv4Gateway(const IP_ADAPTER_ADDRESSES& adapter) {
  for (auto* gateway = adapter.FirstGatewayAddress; gateway != nullptr; gateway = gateway->Next) {
    const SOCKADDR* address = gateway->Address.lpSockaddr;
    if (address != nullptr && address->sa_family == AF_INET) return true;
  }
  return false;
}

}  // namespace

QList<NetworkAdapter> ReadNetworkAdapters() {
  constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                           GAA_FLAG_SKIP_DNS_SERVER | GAA_FLAG_INCLUDE_GATEWAYS;
  ULONG size = 16 * 1024;
  std::vector<unsigned char> buffer;
  ULONG result = ERROR_BUFFER_OVERFLOW;
  // The list may grow between the call that sizes it and the one that fills it.
  for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
    buffer.resize(size);
    result = GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                  reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
  }
  QList<NetworkAdapter> adapters;
  if (result != NO_ERROR) return adapters;
  DWORD best_index = 0;
  const bool have_best = BestInterface(best_index);
  for (auto* entry = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); entry != nullptr;
       entry = entry->Next) {
    NetworkAdapter adapter;
    adapter.name = QString::fromWCharArray(entry->FriendlyName);
    // Windows has one state for both: an adapter that is up passes packets.
    adapter.up = adapter.running = entry->OperStatus == IfOperStatusUp;
    adapter.loopback = entry->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
    adapter.default_route = HasIPv4Gateway(*entry);
    adapter.metric = entry->Ipv4Metric;
    adapter.best_route = have_best && entry->IfIndex == best_index;
    for (auto* unicast = entry->FirstUnicastAddress; unicast != nullptr; unicast = unicast->Next) {
      const SOCKADDR* address = unicast->Address.lpSockaddr;
      if (address == nullptr || address->sa_family != AF_INET) continue;
      const auto* bytes = reinterpret_cast<const unsigned char*>(
          &reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
      // A deprecated address still works; a tentative one is not yet the
      // machine's, a duplicate one never becomes it.
      const bool usable =
          unicast->DadState == IpDadStatePreferred || unicast->DadState == IpDadStateDeprecated;
      adapter.ipv4.append(
          {QStringLiteral("%1.%2.%3.%4").arg(bytes[0]).arg(bytes[1]).arg(bytes[2]).arg(bytes[3]),
           usable});
    }
    adapters.append(adapter);
  }
  return adapters;
}

}  // namespace dialnote
