#include "components/winsock.h"

#ifdef Q_OS_WIN
#include <QNetworkInterface>
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

QString Winsock::LocalIP() const {
  QList<NetworkInterfaceState> states;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    NetworkInterfaceState state;
    state.up = interface.flags().testFlag(QNetworkInterface::IsUp);
    state.running = interface.flags().testFlag(QNetworkInterface::IsRunning);
    state.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      state.addresses.append(
          {entry.ip().protocol() == QAbstractSocket::IPv4Protocol, entry.ip().toString()});
    }
    states.append(state);
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
