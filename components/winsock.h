// SPDX-License-Identifier: GPL-3.0-or-later
// MSWinsockLib.Winsock: the program reads only the machine's local IP
// address from it.
#pragma once

#include <QObject>
#include <QString>

namespace dialnote {

class Winsock : public QObject {
  Q_OBJECT

 public:
  explicit Winsock(QObject* parent = nullptr) : QObject(parent) {}

  // The address a user means by "my IP", in dotted decimal: that of the
  // adapter carrying the default route, as ChooseLocalAddress picks it from
  // the machine's adapters; "127.0.0.1" when there is none.
  [[nodiscard]] QString LocalIP() const;
};

}  // namespace dialnote
