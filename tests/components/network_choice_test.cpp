// SPDX-License-Identifier: GPL-3.0-or-later
// The local address the main window shows, chosen from adapter lists in the
// orders real machines give them; the same table on Linux and, under Wine, Windows.
#include <QtTest>
#include <deque>
#ifndef Q_OS_WIN
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#endif

#include "components/network_adapters.h"
#include "components/winsock.h"
#include "tests/window_testing.h"

namespace dialnote {
namespace {

using testing::AddRows;
using Adapters = QList<NetworkAdapter>;

// Adapters as the tables write them, separated by "|": a name, then its IPv4
// addresses ("?" after one that is not yet, or never, the machine's) and
// marks: "route" and its metric for a default route, "best" for the route
// the system names, "loopback", "down", "stopped" (up but not running).
Adapters Parse(const QString& text) {
  Adapters adapters;
  for (const QString& written : text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
    const QStringList words = written.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    NetworkAdapter adapter;
    adapter.name = words.first();
    adapter.up = !words.contains(QLatin1String("down"));
    adapter.running = adapter.up && !words.contains(QLatin1String("stopped"));
    adapter.loopback = words.contains(QLatin1String("loopback"));
    adapter.best_route = words.contains(QLatin1String("best"));
    for (const QString& word : words.mid(1)) {
      if (word.at(0).isDigit()) {
        adapter.ipv4.append({QString(word).remove(QLatin1Char('?')), !word.endsWith('?')});
      } else if (word.startsWith(QLatin1String("route"))) {
        adapter.default_route = true;
        adapter.metric = word.mid(5).toUInt();
      }
    }
    adapters.append(adapter);
  }
  return adapters;
}

#ifndef Q_OS_WIN
// `adapters` as getifaddrs lists them, read back: an entry for each
// interface's link, then one for each IPv4 address, then an IPv6 one for
// each. An adapter that is down is running but not up, to tell the flags apart.
Adapters ReadBack(const Adapters& adapters) {
  std::deque<ifaddrs> entries;  // which keep their places as they grow
  std::deque<sockaddr_in> addresses;
  QList<QByteArray> names;
  for (const NetworkAdapter& adapter : adapters) names << adapter.name.toLatin1();
  const auto add = [&](qsizetype i, sa_family_t family, const QString& address) {
    const NetworkAdapter& adapter = adapters[i];
    ifaddrs& entry = entries.emplace_back();
    entry.ifa_name = names[i].data();
    entry.ifa_flags = (adapter.up ? 0u + IFF_UP : 0u) |
                      (adapter.running || !adapter.up ? 0u + IFF_RUNNING : 0u) |
                      (adapter.loopback ? 0u + IFF_LOOPBACK : 0u);
    if (family == AF_UNSPEC) return;
    sockaddr_in& ip = addresses.emplace_back();
    ip.sin_family = family;
    inet_pton(AF_INET, address.toLatin1().constData(), &ip.sin_addr);
    entry.ifa_addr = reinterpret_cast<sockaddr*>(&ip);
  };
  for (qsizetype i = 0; i < adapters.size(); ++i) add(i, AF_UNSPEC, {});
  for (qsizetype i = 0; i < adapters.size(); ++i) {
    for (const AdapterAddress& address : adapters[i].ipv4) add(i, AF_INET, address.text);
  }
  for (qsizetype i = 0; i < adapters.size(); ++i) add(i, AF_INET6, {});
  for (std::size_t i = 1; i < entries.size(); ++i) entries[i - 1].ifa_next = &entries[i];
  return AdaptersOfInterfaces(entries.empty() ? nullptr : &entries.front());
}
#endif

}  // namespace

class NetworkChoiceTest : public QObject {
  Q_OBJECT

 private slots:
  // Rows of tests/data/network-addresses.tsv, adapters written as Parse reads them.
  void theAddressIsTheOneAUserMeans_data() {
    AddRows("network-addresses.tsv", {"adapters", "expected"});
  }
  void theAddressIsTheOneAUserMeans() {
    QFETCH(QString, adapters);
    QTEST(ChooseLocalAddress(Parse(adapters)), "expected");
#ifndef Q_OS_WIN  // and, where no route or unsettled address is listed, as Linux reads them
    if (!adapters.contains(QLatin1String("route")) && !adapters.contains(QLatin1Char('?'))) {
      QTEST(ChooseLocalAddress(ReadBack(Parse(adapters))), "expected");
    }
#endif
  }

  void theDefaultRoutesAreReadFromLinuxsTable_data() {
    AddRows("network-routes.tsv", {"table", "expected"});
  }
  void theDefaultRoutesAreReadFromLinuxsTable() {
    QFETCH(QString, table);
    QFETCH(QString, expected);
    Adapters adapters = Parse(QStringLiteral("eth0 | wlan0 | docker0"));
    ApplyDefaultRoutes(
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n" +
            table.toLatin1(),
        adapters);
    QStringList found;
    for (const NetworkAdapter& adapter : adapters) {
      found << adapter.name + QLatin1Char(':') +
                   (adapter.default_route ? QString::number(adapter.metric) : QStringLiteral("-"));
    }
    QCOMPARE(found.join(QLatin1Char(' ')), expected);
  }

  // The machine's own list, whatever its network, gives an address in dotted decimal. (That
  // Winsock asks the reader set in place, the reference pictures' address line shows.)
  void theMachinesOwnListGivesAnAddress() {
    QVERIFY(CurrentNetworkReader() == &ReadNetworkAdapters);
    const QString own = Winsock().LocalIP();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$")).match(own).hasMatch(),
             qPrintable(own));
  }
};

}  // namespace dialnote

QTEST_APPLESS_MAIN(dialnote::NetworkChoiceTest)
#include "network_choice_test.moc"
