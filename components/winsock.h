// SPDX-License-Identifier: GPL-3.0-or-later
// MSWinsockLib.Winsock: the program reads only the machine's local IP
// address from it.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace dialnote {

struct InterfaceAddress {
  bool ipv4 = false;
  QString text;  // dotted decimal for IPv4
};

struct NetworkInterfaceState {
  bool up = false;
  bool running = false;
  bool loopback = false;
  QList<InterfaceAddress> addresses;
};

class Winsock : public QObject {
  Q_OBJECT

 public:
  explicit Winsock(QObject* parent = nullptr) : QObject(parent) {}

  // The first IPv4 address of an interface that is up, running and not the
  // loopback, in dotted decimal; "127.0.0.1" when there is none.
  [[nodiscard]] QString LocalIP() const;

  // The same choice over given interfaces, in their order.
  [[nodiscard]] static QString ChooseLocalIP(const QList<NetworkInterfaceState>& interfaces);
};

}  // namespace dialnote
