// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/network_adapters.h"

#include <algorithm>

namespace dialnote {
namespace {

NetworkReader current_reader = &ReadNetworkAdapters;

bool SelfAssigned(const AdapterAddress& address) {
  return address.text.startsWith(QLatin1String("169.254."));
}

bool Good(const AdapterAddress& address) { return address.usable && !SelfAssigned(address); }

bool Candidate(const NetworkAdapter& adapter) {
  return adapter.up && adapter.running && !adapter.loopback;
}

const AdapterAddress* FirstGood(const NetworkAdapter& adapter) {
  for (const AdapterAddress& address : adapter.ipv4) {
    if (Good(address)) return &address;
  }
  return nullptr;
}

// The adapter the default route leaves by, among those with a good address.
const NetworkAdapter* RouteAdapter(const QList<NetworkAdapter>& adapters) {
  for (const NetworkAdapter& adapter : adapters) {
    if (adapter.best_route && Candidate(adapter) && FirstGood(adapter) != nullptr) {
      return &adapter;
    }
  }
  const NetworkAdapter* lowest = nullptr;
  for (const NetworkAdapter& adapter : adapters) {
    if (adapter.default_route && Candidate(adapter) && FirstGood(adapter) != nullptr &&
        (lowest == nullptr || adapter.metric < lowest->metric)) {
      lowest = &adapter;
    }
  }
  return lowest;
}

// Reads a hexadecimal field of /proc/net/route (which prints addresses in
// the kernel's byte order; zero reads the same either way).
bool HexField(const QByteArray& field, quint32& value) {
  bool ok = false;
  value = field.toUInt(&ok, 16);
  return ok;
}

}  // namespace

QString ChooseLocalAddress(const QList<NetworkAdapter>& adapters) {
  if (const NetworkAdapter* route = RouteAdapter(adapters)) {
    return FirstGood(*route)->text;
  }
  for (const NetworkAdapter& adapter : adapters) {
    if (!Candidate(adapter)) continue;
    if (const AdapterAddress* address = FirstGood(adapter)) return address->text;
  }
  for (const NetworkAdapter& adapter : adapters) {
    if (Candidate(adapter) && !adapter.ipv4.isEmpty()) return adapter.ipv4.first().text;
  }
  return QStringLiteral("127.0.0.1");
}

void ApplyDefaultRoutes(const QByteArray& route_table, QList<NetworkAdapter>& adapters) {
  constexpr quint32 kRouteUp = 0x0001;  // RTF_UP
  const QList<QByteArray> lines = route_table.split('\n');
  // The first line names the columns.
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QList<QByteArray> fields = lines[i].simplified().split(' ');
    if (fields.size() < 8) continue;
    quint32 destination = 0;
    quint32 flags = 0;
    quint32 mask = 0;
    bool metric_ok = false;
    const quint32 metric = fields[6].toUInt(&metric_ok);
    if (!HexField(fields[1], destination) || !HexField(fields[3], flags) ||
        !HexField(fields[7], mask) || !metric_ok) {
      continue;
    }
    if (destination != 0 || mask != 0 || (flags & kRouteUp) == 0) continue;
    const QString name = QString::fromLocal8Bit(fields[0]);
    for (NetworkAdapter& adapter : adapters) {
      if (adapter.name != name) continue;
      adapter.metric = adapter.default_route ? std::min(adapter.metric, metric) : metric;
      adapter.default_route = true;
    }
  }
}

NetworkReader CurrentNetworkReader() { return current_reader; }

NetworkReader SetNetworkReader(NetworkReader reader) {
  const NetworkReader previous = current_reader;
  current_reader = reader;
  return previous;
}

}  // namespace dialnote
