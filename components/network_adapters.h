// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's network adapters and default routes as plain data, and the
// choice of the one local address a user means by "my IP": the address of the
// adapter that carries the default route. On real machines the first adapter
// listed is often a virtual one (a WSL or Hyper-V switch, a VirtualBox or
// VMware host-only network, docker0, virbr0, a VPN tunnel) or holds a
// self-assigned 169.254.x.x address, so the order of the list alone misleads.
//
// The system's readers stay thin: they only translate what the system lists
// into these structures, so the choice is tested on any machine.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct ifaddrs;  // getifaddrs's entries

namespace dialnote {

struct AdapterAddress {
  QString text;        // IPv4, dotted decimal
  bool usable = true;  // false while duplicate-address detection has not
                       // settled on it (tentative), or found it taken
};

struct NetworkAdapter {
  QString name;
  bool up = false;
  bool running = false;
  bool loopback = false;
  QList<AdapterAddress> ipv4;
  bool default_route = false;  // a default route (or a gateway) goes through it
  quint32 metric = 0;          // that route's metric: the lowest is taken
  bool best_route = false;     // the system names it for a public destination
};

// The address to show, in dotted decimal:
// 1. of the adapter the system names as the best route, or else of the one
//    with a default route and the lowest metric (the first on a tie): its
//    first address that is usable and not self-assigned (169.254/16);
// 2. else the first such address of any adapter that is up, running and
//    not the loopback, in the system's order;
// 3. else the first address of such an adapter, self-assigned or not yet
//    settled as it may be;
// 4. else "127.0.0.1".
[[nodiscard]] QString ChooseLocalAddress(const QList<NetworkAdapter>& adapters);

// Linux's routing table as /proc/net/route lists it: marks each adapter that
// carries a default route, with the lowest metric among its default routes.
void ApplyDefaultRoutes(const QByteArray& route_table, QList<NetworkAdapter>& adapters);

#ifndef Q_OS_WIN
// The adapters getifaddrs lists, one per interface in the order of its
// first entry, with their IPv4 addresses.
[[nodiscard]] QList<NetworkAdapter> AdaptersOfInterfaces(const ::ifaddrs* entries);
#endif

// The machine's adapters and routes, read from the system.
[[nodiscard]] QList<NetworkAdapter> ReadNetworkAdapters();

// Where Winsock reads the adapters from: the system, or a test's own list.
using NetworkReader = QList<NetworkAdapter> (*)();
[[nodiscard]] NetworkReader CurrentNetworkReader();
// Puts `reader` in place and returns the one it replaces.
NetworkReader SetNetworkReader(NetworkReader reader);

}  // namespace dialnote
