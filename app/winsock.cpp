#include "app/winsock.h"

#include <QNetworkInterface>

namespace dialnote {

QString Winsock::ChooseLocalIP(const QList<NetworkInterfaceState>& interfaces) {
  for (const NetworkInterfaceState& state : interfaces) {
    if (!state.up || !state.running || state.loopback) {
      continue;
    }
    for (const QHostAddress& address : state.addresses) {
      if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        return address.toString();
      }
    }
  }
  return QStringLiteral("127.0.0.1");
}

QString Winsock::LocalIP() const {
  QList<NetworkInterfaceState> states;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    NetworkInterfaceState state;
    state.up = interface.flags().testFlag(QNetworkInterface::IsUp);
    state.running = interface.flags().testFlag(QNetworkInterface::IsRunning);
    state.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      state.addresses.append(entry.ip());
    }
    states.append(state);
  }
  return ChooseLocalIP(states);
}

}  // namespace dialnote
