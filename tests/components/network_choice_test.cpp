// SPDX-License-Identifier: GPL-3.0-or-later
// The local address the main window shows, chosen from adapter lists in the
// orders real machines give them: a virtual adapter first, a self-assigned
// address, two gateways, an address still being checked, no network at all.
// The same table runs on Linux and, under Wine, on Windows.
#include <QtTest>

#include "components/network_adapters.h"
#include "components/winsock.h"
#include "tests/window_testing.h"

Q_DECLARE_METATYPE(dialnote::NetworkAdapter)

namespace dialnote {
namespace {

using testing::AddRow;
using Adapters = QList<NetworkAdapter>;

// An adapter that is up and running with `addresses`, usable, no route.
NetworkAdapter Up(const char* name, std::initializer_list<const char*> addresses) {
  NetworkAdapter adapter;
  adapter.name = QString::fromUtf8(name);
  adapter.up = adapter.running = true;
  for (const char* address : addresses) adapter.ipv4.append({QString::fromLatin1(address), true});
  return adapter;
}

NetworkAdapter WithRoute(NetworkAdapter adapter, quint32 metric) {
  adapter.default_route = true;
  adapter.metric = metric;
  return adapter;
}

NetworkAdapter Best(NetworkAdapter adapter) {
  adapter.best_route = true;
  return adapter;
}

// Its address number `index` not yet (or never) the machine's.
NetworkAdapter Unsettled(NetworkAdapter adapter, int index = 0) {
  adapter.ipv4[index].usable = false;
  return adapter;
}

NetworkAdapter NotRunning(NetworkAdapter adapter) {
  adapter.running = false;
  return adapter;
}

NetworkAdapter Down(NetworkAdapter adapter) {
  adapter.up = adapter.running = false;
  return adapter;
}

NetworkAdapter Loopback(const char* name) {
  NetworkAdapter adapter = Up(name, {"127.0.0.1"});
  adapter.loopback = true;
  return adapter;
}

Adapters FakeMachine() {
  return {Up("vEthernet (WSL)", {"172.28.16.1"}), Best(WithRoute(Up("Wi-Fi", {"10.1.1.9"}), 35))};
}

}  // namespace

class NetworkChoiceTest : public QObject {
  Q_OBJECT

 private slots:
  void theAddressIsTheOneAUserMeans_data() {
    QTest::addColumn<Adapters>("adapters");
    QTest::addColumn<QString>("expected");
    // Windows, as GetAdaptersAddresses lists the adapters.
    AddRow("WSL's virtual switch first, the Wi-Fi named as the best route",
           Adapters{Up("vEthernet (WSL)", {"172.28.16.1"}),
                    Best(WithRoute(Up("Wi-Fi", {"192.168.1.20"}), 35))},
           QStringLiteral("192.168.1.20"));
    AddRow("Hyper-V's default switch first, the Ethernet has the gateway",
           Adapters{Up("vEthernet (Default Switch)", {"172.17.96.1"}),
                    WithRoute(Up("Ethernet", {"10.0.0.15"}), 25)},
           QStringLiteral("10.0.0.15"));
    AddRow("VirtualBox's host-only network first",
           Adapters{Up("VirtualBox Host-Only Network", {"192.168.56.1"}),
                    Best(WithRoute(Up("Ethernet", {"192.168.0.104"}), 25))},
           QStringLiteral("192.168.0.104"));
    AddRow("VMware's two host-only networks first",
           Adapters{Up("VMware Network Adapter VMnet1", {"192.168.80.1"}),
                    Up("VMware Network Adapter VMnet8", {"192.168.233.1"}),
                    WithRoute(Up("Wi-Fi", {"192.168.43.12"}), 50)},
           QStringLiteral("192.168.43.12"));
    AddRow("the best route named over a lower metric elsewhere",
           Adapters{WithRoute(Up("Ethernet", {"10.0.0.15"}), 5),
                    Best(WithRoute(Up("Wi-Fi", {"192.168.1.20"}), 50))},
           QStringLiteral("192.168.1.20"));
    AddRow("two gateways: the lower metric wins, whichever is listed first",
           Adapters{WithRoute(Up("Wi-Fi", {"192.168.1.20"}), 55),
                    WithRoute(Up("Ethernet", {"10.0.0.15"}), 25)},
           QStringLiteral("10.0.0.15"));
    AddRow("two gateways of equal metric: the first listed",
           Adapters{WithRoute(Up("Wi-Fi", {"192.168.1.20"}), 25),
                    WithRoute(Up("Ethernet", {"10.0.0.15"}), 25)},
           QStringLiteral("192.168.1.20"));
    AddRow("a self-assigned address only: it is shown",
           Adapters{Loopback("Loopback Pseudo-Interface 1"), Up("Ethernet", {"169.254.83.7"})},
           QStringLiteral("169.254.83.7"));
    AddRow("a self-assigned adapter first, then a real address without routes",
           Adapters{Up("Ethernet", {"169.254.83.7"}), Up("Wi-Fi", {"192.168.1.20"})},
           QStringLiteral("192.168.1.20"));
    AddRow("the route's adapter lists its self-assigned address first",
           Adapters{Best(WithRoute(Up("Ethernet", {"169.254.83.7", "10.0.0.15"}), 25))},
           QStringLiteral("10.0.0.15"));
    AddRow("the best route's adapter holds only a self-assigned address",
           Adapters{Best(WithRoute(Up("Ethernet", {"169.254.83.7"}), 5)),
                    WithRoute(Up("Wi-Fi", {"192.168.1.20"}), 50)},
           QStringLiteral("192.168.1.20"));
    AddRow("the route's address is still being checked: another adapter's",
           Adapters{Up("Ethernet", {"10.0.0.15"}),
                    Unsettled(Best(WithRoute(Up("Wi-Fi", {"192.168.1.20"}), 35)))},
           QStringLiteral("10.0.0.15"));
    AddRow("a duplicate address before a good one on the same adapter",
           Adapters{Unsettled(Best(WithRoute(Up("Wi-Fi", {"192.168.1.20", "192.168.1.21"}), 35)))},
           QStringLiteral("192.168.1.21"));
    AddRow("only an unsettled address and a self-assigned one: the first listed",
           Adapters{Unsettled(Up("Wi-Fi", {"192.168.1.20"})), Up("Ethernet", {"169.254.83.7"})},
           QStringLiteral("192.168.1.20"));
    AddRow("a gateway on an adapter that is down is passed over",
           Adapters{Down(Best(WithRoute(Up("Ethernet", {"10.0.0.15"}), 5))),
                    Up("Wi-Fi", {"192.168.1.20"})},
           QStringLiteral("192.168.1.20"));
    // Linux, as getifaddrs and /proc/net/route give them.
    AddRow("docker0 before the Ethernet that carries the default route",
           Adapters{Loopback("lo"), Up("docker0", {"172.17.0.1"}),
                    WithRoute(Up("enp3s0", {"192.168.1.7"}), 100)},
           QStringLiteral("192.168.1.7"));
    AddRow("virbr0 before the Wi-Fi that carries the default route",
           Adapters{Loopback("lo"), Up("virbr0", {"192.168.122.1"}),
                    WithRoute(Up("wlp2s0", {"192.168.1.33"}), 600)},
           QStringLiteral("192.168.1.33"));
    AddRow("a VPN tunnel first, the default route stays on the Ethernet",
           Adapters{Up("tun0", {"10.8.0.6"}), WithRoute(Up("eth0", {"192.168.1.7"}), 100)},
           QStringLiteral("192.168.1.7"));
    AddRow("a VPN that takes the default route with a lower metric",
           Adapters{WithRoute(Up("eth0", {"192.168.1.7"}), 100),
                    WithRoute(Up("ppp0", {"10.64.0.23"}), 50)},
           QStringLiteral("10.64.0.23"));
    AddRow("an interface that is up but not running keeps its route to no avail",
           Adapters{NotRunning(WithRoute(Up("eth0", {"192.168.1.7"}), 100)),
                    Up("wlan0", {"192.168.1.33"})},
           QStringLiteral("192.168.1.33"));
    AddRow("an interface with no IPv4 address and a route is passed over",
           Adapters{WithRoute(Up("eth0", {}), 100), Up("wlan0", {"192.168.1.33"})},
           QStringLiteral("192.168.1.33"));
    AddRow("no routes at all: the first address of a running interface",
           Adapters{Loopback("lo"), Down(Up("eth0", {"198.51.100.1"})),
                    NotRunning(Up("eth1", {"198.51.100.2"})), Up("eth2", {}),
                    Up("eth3", {"192.0.2.2"}), Up("eth4", {"192.0.2.3"})},
           QStringLiteral("192.0.2.2"));
    AddRow("no network at all", Adapters{}, QStringLiteral("127.0.0.1"));
    AddRow("only the loopback", Adapters{Loopback("lo")}, QStringLiteral("127.0.0.1"));
    AddRow("only the loopback, which a route names", Adapters{Best(WithRoute(Loopback("lo"), 1))},
           QStringLiteral("127.0.0.1"));
  }
  void theAddressIsTheOneAUserMeans() {
    QFETCH(Adapters, adapters);
    QFETCH(QString, expected);
    QCOMPARE(ChooseLocalAddress(adapters), expected);
  }

  // Each adapter named, then the default route found for it: its metric, or
  // "-" for none.
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
    AddRow("a default route without a gateway, on a point-to-point link",
           header + "wlan0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n",
           QStringLiteral("eth0:- wlan0:0 docker0:-"));
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
    AddRow("no table at all", QByteArray(), QStringLiteral("eth0:- wlan0:- docker0:-"));
  }
  void theDefaultRoutesAreReadFromLinuxsTable() {
    QFETCH(QByteArray, table);
    QFETCH(QString, expected);
    Adapters adapters = {Up("eth0", {}), Up("wlan0", {}), Up("docker0", {})};
    ApplyDefaultRoutes(table, adapters);
    QStringList found;
    for (const NetworkAdapter& adapter : adapters) {
      found << adapter.name + QLatin1Char(':') +
                   (adapter.default_route ? QString::number(adapter.metric) : QStringLiteral("-"));
    }
    QCOMPARE(found.join(QLatin1Char(' ')), expected);
  }

  void winsockAsksTheReaderInPlace() {
    const NetworkReader system = SetNetworkReader(&FakeMachine);
    const QString shown = Winsock().LocalIP();
    SetNetworkReader(system);
    QCOMPARE(shown, QStringLiteral("10.1.1.9"));
    QVERIFY(CurrentNetworkReader() == &ReadNetworkAdapters);
  }

  // The machine's own list goes through the same choice and gives an
  // address in dotted decimal, whatever the machine's network.
  void theSystemsListGivesADottedAddress() {
    const QString shown = ChooseLocalAddress(ReadNetworkAdapters());
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$")).match(shown).hasMatch(),
        qPrintable(shown));
  }
};

}  // namespace dialnote

QTEST_APPLESS_MAIN(dialnote::NetworkChoiceTest)
#include "network_choice_test.moc"
