// SPDX-License-Identifier: GPL-3.0-or-later
// The local address the main window shows, chosen from adapter lists in the
// orders real machines give them: a virtual adapter first, a self-assigned
// address, two gateways, an address still being checked, no network at all.
// The same table runs on Linux and, under Wine, on Windows.
#include <QtTest>
#include <vector>
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

using testing::AddRow;
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
// each. An adapter that is down is running but not up, to tell the flags
// apart.
Adapters ReadBack(const Adapters& adapters) {
  std::vector<ifaddrs> entries;
  std::vector<sockaddr_in> addresses;
  QList<QByteArray> names;
  qsizetype count = adapters.size();  // IPv6 entries and IPv4 addresses
  for (const NetworkAdapter& adapter : adapters) {
    names << adapter.name.toLatin1();
    count += adapter.ipv4.size();
  }
  addresses.reserve(static_cast<std::size_t>(count));  // the entries point into it
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
  return AdaptersOfInterfaces(entries.empty() ? nullptr : entries.data());
}
#endif

}  // namespace

class NetworkChoiceTest : public QObject {
  Q_OBJECT

 private slots:
  void theAddressIsTheOneAUserMeans_data() {
    QTest::addColumn<QString>("adapters");
    QTest::addColumn<QString>("expected");
    // Windows, as GetAdaptersAddresses lists the adapters.
    AddRow("WSL's virtual switch first, the Wi-Fi named as the best route",
           "vEthernet-WSL 172.28.16.1 | Wi-Fi 192.168.1.20 route35 best", "192.168.1.20");
    AddRow("the best route named over a lower metric elsewhere",
           "Ethernet 10.0.0.15 route5 | Wi-Fi 192.168.1.20 route50 best", "192.168.1.20");
    AddRow("two gateways: the lower metric wins, whichever is listed first",
           "Wi-Fi 192.168.1.20 route55 | Ethernet 10.0.0.15 route25", "10.0.0.15");
    AddRow("two gateways of equal metric: the first listed",
           "Wi-Fi 192.168.1.20 route25 | Ethernet 10.0.0.15 route25", "192.168.1.20");
    AddRow("a self-assigned address only: it is shown",
           "Loopback 127.0.0.1 loopback | Ethernet 169.254.83.7", "169.254.83.7");
    AddRow("a self-assigned adapter first, then a real address without routes",
           "Ethernet 169.254.83.7 | Wi-Fi 192.168.1.20", "192.168.1.20");
    AddRow("the route's adapter lists its self-assigned address first",
           "Ethernet 169.254.83.7 10.0.0.15 route25 best", "10.0.0.15");
    AddRow("the best route's adapter holds only a self-assigned address",
           "Ethernet 169.254.83.7 route5 best | Wi-Fi 192.168.1.20 route50", "192.168.1.20");
    AddRow("the route's address is still being checked: another adapter's",
           "Ethernet 10.0.0.15 | Wi-Fi 192.168.1.20? route35 best", "10.0.0.15");
    AddRow("a duplicate address before a good one on the same adapter",
           "Wi-Fi 192.168.1.20? 192.168.1.21 route35 best", "192.168.1.21");
    AddRow("only an unsettled address and a self-assigned one: the first listed",
           "Wi-Fi 192.168.1.20? | Ethernet 169.254.83.7", "192.168.1.20");
    AddRow("a gateway on an adapter that is down is passed over",
           "Ethernet 10.0.0.15 route5 best down | Wi-Fi 192.168.1.20", "192.168.1.20");
    // Linux, as getifaddrs and /proc/net/route give them.
    AddRow("docker0 before the Ethernet that carries the default route",
           "lo 127.0.0.1 loopback | docker0 172.17.0.1 | enp3s0 192.168.1.7 route100",
           "192.168.1.7");
    AddRow("an interface that is up but not running keeps its route to no avail",
           "eth0 192.168.1.7 route100 stopped | wlan0 192.168.1.33", "192.168.1.33");
    AddRow("an interface with no IPv4 address and a route is passed over",
           "eth0 route100 | wlan0 192.168.1.33", "192.168.1.33");
    AddRow("no routes at all: the first address of a running interface",
           "lo 127.0.0.1 loopback | eth0 198.51.100.1 down | eth1 198.51.100.2 stopped | eth2 | "
           "eth3 192.0.2.2 | eth4 192.0.2.3",
           "192.0.2.2");
    AddRow("no network at all", "", "127.0.0.1");
    AddRow("only the loopback, which a route names", "lo 127.0.0.1 loopback route1 best",
           "127.0.0.1");
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
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("expected");
    const QByteArray header =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    AddRow("a default route through a gateway, and the local network",
           header +
               "eth0\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
               "eth0\t000200C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n",
           QStringLiteral("eth0:100 wlan0:- docker0:-"));
    AddRow("two default routes: each adapter keeps its own lowest metric",
           header +
               "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
               "eth0\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
               "eth0\t00000000\t020200C0\t0003\t0\t0\t20\t00000000\t0\t0\t0\n"
               "eth0\t00000000\t030200C0\t0003\t0\t0\t50\t00000000\t0\t0\t0\n",
           QStringLiteral("eth0:20 wlan0:600 docker0:-"));
    AddRow("a route that is not up, and networks that are not the default",
           header +
               "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n"
               "docker0\t000011AC\t00000000\t0001\t0\t0\t0\t0000FFFF\t0\t0\t0\n"
               "wlan0\t00000000\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n",
           QStringLiteral("eth0:- wlan0:- docker0:-"));
    AddRow("a route of an interface not listed, and lines cut short or garbled",
           header +
               "tun0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n"
               "eth0\t00000000\t010200C0\n"
               "eth0\tzz000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
               "eth0\t00000000\t010200C0\t0003\t0\t0\t-1\t00000000\t0\t0\t0\n"
               "\n",
           QStringLiteral("eth0:- wlan0:- docker0:-"));
  }
  void theDefaultRoutesAreReadFromLinuxsTable() {
    QFETCH(QByteArray, table);
    QFETCH(QString, expected);
    Adapters adapters = Parse(QStringLiteral("eth0 | wlan0 | docker0"));
    ApplyDefaultRoutes(table, adapters);
    QStringList found;
    for (const NetworkAdapter& adapter : adapters) {
      found << adapter.name + QLatin1Char(':') +
                   (adapter.default_route ? QString::number(adapter.metric) : QStringLiteral("-"));
    }
    QCOMPARE(found.join(QLatin1Char(' ')), expected);
  }

  // Winsock asks the reader in place; the machine's own list, whatever the
  // machine's network, gives an address in dotted decimal.
  void winsockAsksTheReaderInPlace() {
    const NetworkReader system =
        SetNetworkReader([] { return Parse(QStringLiteral("Wi-Fi 10.1.1.9 route35")); });
    const QString shown = Winsock().LocalIP();
    SetNetworkReader(system);
    QCOMPARE(shown, QStringLiteral("10.1.1.9"));
    QVERIFY(CurrentNetworkReader() == &ReadNetworkAdapters);
    const QString own = Winsock().LocalIP();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$")).match(own).hasMatch(),
             qPrintable(own));
  }
};

}  // namespace dialnote

QTEST_APPLESS_MAIN(dialnote::NetworkChoiceTest)
#include "network_choice_test.moc"
