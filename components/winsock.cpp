// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/winsock.h"

#ifdef Q_OS_WIN
// The system's headers must come in this order.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on

#include <vector>
#else
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#endif

namespace dialnote {

QString Winsock::ChooseLocalIP(const QList<NetworkInterfaceState>& interfaces) {
  for (const NetworkInterfaceState& state : interfaces) {
    if (!state.up || !state.running || state.loopback) {
      continue;
    }
    for (const InterfaceAddress& address : state.addresses) {
      if (address.ipv4) {
        return address.text;
      }
    }
  }
  return QStringLiteral("127.0.0.1");
}

#ifdef Q_OS_WIN

// The adapters as the system lists them, with their IPv4 unicast addresses.
QString Winsock::LocalIP() const {
  constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                           GAA_FLAG_SKIP_DNS_SERVER | GAA_FLAG_SKIP_FRIENDLY_NAME;
  ULONG size = 16 * 1024;
  std::vector<unsigned char> buffer;
  ULONG result = ERROR_BUFFER_OVERFLOW;
  for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
    buffer.resize(size);
    result = GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                  reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
  }
  QList<NetworkInterfaceState> states;
  if (result == NO_ERROR) {
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data());
         adapter != nullptr; adapter = adapter->Next) {
      NetworkInterfaceState state;
      // Windows has one state for both: an adapter that is up passes packets.
      state.up = state.running = adapter->OperStatus == IfOperStatusUp;
      state.loopback = adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
      for (auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
           unicast = unicast->Next) {
        const SOCKADDR* address = unicast->Address.lpSockaddr;
        if (address == nullptr || address->sa_family != AF_INET) continue;
        const auto* bytes = reinterpret_cast<const unsigned char*>(
            &reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
        state.addresses.append({true, QStringLiteral("%1.%2.%3.%4")
                                          .arg(bytes[0])
                                          .arg(bytes[1])
                                          .arg(bytes[2])
                                          .arg(bytes[3])});
      }
      states.append(state);
    }
  }
  return ChooseLocalIP(states);
}

#else

// The interfaces as the system lists them, one state per interface in the
// order of their first entry. Read with getifaddrs rather than Qt's network
// module, which would bring a dozen libraries into every start of the program
// for this one question.
QString Winsock::LocalIP() const {
  ifaddrs* entries = nullptr;
  if (getifaddrs(&entries) != 0) {
    return ChooseLocalIP({});
  }
  QList<QString> names;
  QList<NetworkInterfaceState> states;
  for (const ifaddrs* entry = entries; entry != nullptr; entry = entry->ifa_next) {
    const QString name = QString::fromLocal8Bit(entry->ifa_name);
    qsizetype index = names.indexOf(name);
    if (index < 0) {
      names.append(name);
      NetworkInterfaceState state;
      state.up = (entry->ifa_flags & IFF_UP) != 0;
      state.running = (entry->ifa_flags & IFF_RUNNING) != 0;
      state.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
      states.append(state);
      index = states.size() - 1;
    }
    if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET) {
      char text[INET_ADDRSTRLEN] = {};
      const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
      if (inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) != nullptr) {
        states[index].addresses.append({true, QString::fromLatin1(text)});
      }
    }
  }
  freeifaddrs(entries);
  return ChooseLocalIP(states);
}

#endif

}  // namespace dialnote
