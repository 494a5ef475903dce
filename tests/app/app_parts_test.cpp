// The windows' shared parts and platform stand-ins, through their own
// surfaces: the application object's paths, component registration, the
// title-strip drag, the local address, the skin, the design helpers and the
// painted button.
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include "components/skin.h"
#include "components/winsock.h"
#include "components/xp_button.h"
#include "platform/app_object.h"
#include "platform/component_registration.h"
#include "platform/display_check.h"
#include "tests/recording_runtime.h"
#include "window_kit/design_controls.h"
#include "window_kit/form_design.h"
#include "window_kit/title_bar_drag.h"

Q_DECLARE_METATYPE(QList<dialnote::NetworkInterfaceState>)

namespace dialnote {

class AppPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void applicationFolderAndName_data();
  void applicationFolderAndName();
  void aboutIconPath_data();
  void aboutIconPath();
  void registrationCommandLines_data();
  void registrationCommandLines();
  void dragOrigin_data();
  void dragOrigin();
  void dragMove_data();
  void dragMove();
  void localAddress_data();
  void localAddress();
  void skinLeavesOnlyKeyColouredPixelsOut();
  void coloursKeepRedInTheLowByte_data();
  void coloursKeepRedInTheLowByte();
  void designFontIsSizedForNinetySixDotsPerInch_data();
  void designFontIsSizedForNinetySixDotsPerInch();
  void autoSizeLabelsKeepTheirFixedEdge_data();
  void autoSizeLabelsKeepTheirFixedEdge();
  void xpButtonTakesItsSettingsFromThePropertyBag();
  void xpButtonClicksOnlyWhenEnabled();
  void aMissingDisplayIsNamed_data();
  void aMissingDisplayIsNamed();
};

// ---------------------------------------------------------------------------

void AppPartsTest::applicationFolderAndName_data() {
  QTest::addColumn<QString>("executable");
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("exe_name");
  QTest::newRow("a Windows folder") << R"(D:\Tools\x.exe)"
                                    << R"(D:\Tools)"
                                    << "x";
  QTest::newRow("a drive's root keeps its backslash") << R"(E:\x.exe)"
                                                      << R"(E:\)"
                                                      << "x";
  QTest::newRow("a network share") << R"(\\server\share\x.exe)"
                                   << R"(\\server\share)"
                                   << "x";
  QTest::newRow("a folder with spaces") << R"(C:\Program Files\Dialnote\Dialnote.exe)"
                                        << R"(C:\Program Files\Dialnote)"
                                        << "Dialnote";
  QTest::newRow("a Linux folder") << "/usr/bin/dialnote"
                                  << "/usr/bin"
                                  << "dialnote";
  QTest::newRow("the Linux root keeps its slash") << "/dialnote"
                                                  << "/"
                                                  << "dialnote";
  QTest::newRow("only the last extension goes") << "/opt/dial.note/dialnote.bin.exe"
                                                << "/opt/dial.note"
                                                << "dialnote.bin";
}

void AppPartsTest::applicationFolderAndName() {
  QFETCH(QString, executable);
  const App app(executable);
  QTEST(app.Path(), "path");
  QTEST(app.EXEName(), "exe_name");
  QCOMPARE(app.Title(), QStringLiteral("دايالنوت"));
  QCOMPARE(QList<int>({app.Major(), app.Minor(), app.Revision()}), QList<int>({2, 0, 0}));
}

void AppPartsTest::aboutIconPath_data() {
  QTest::addColumn<QString>("folder");
  QTest::addColumn<QString>("suffix");
  QTest::addColumn<QString>("path");
  QTest::newRow("a Windows folder") << R"(D:\Tools)"
                                    << ".exe"
                                    << R"(D:\Tools\x.exe)";
  QTest::newRow("a drive's root gets a single backslash") << R"(E:\)"
                                                          << ".exe"
                                                          << R"(E:\x.exe)";
  QTest::newRow("a network share") << R"(\\server\share)"
                                   << ".exe"
                                   << R"(\\server\share\x.exe)";
  QTest::newRow("a Linux folder") << "/usr/bin"
                                  << ""
                                  << "/usr/bin/x";
  QTest::newRow("the Linux root gets a single slash") << "/"
                                                      << ""
                                                      << "/x";
}

void AppPartsTest::aboutIconPath() {
  QFETCH(QString, folder);
  QFETCH(QString, suffix);
  QTEST(ExecutablePath(folder, QStringLiteral("x"), suffix), "path");
}

void AppPartsTest::registrationCommandLines_data() {
  QTest::addColumn<QString>("executable");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("a folder") << R"(D:\Tools\x.exe)"
                            << QStringList{R"(RegSvr32 /s "D:\Tools\MSWINSCK.ocx")",
                                           R"(RegSvr32 /s "D:\Tools\MS_XTools.ocx")",
                                           R"(RegSvr32 /s "D:\Tools\SkinControl.ocx")"};
  QTest::newRow("a drive's root gives two backslashes")
      << R"(C:\x.exe)"
      << QStringList{R"(RegSvr32 /s "C:\\MSWINSCK.ocx")", R"(RegSvr32 /s "C:\\MS_XTools.ocx")",
                     R"(RegSvr32 /s "C:\\SkinControl.ocx")"};
  QTest::newRow("a folder with spaces stays one quoted argument")
      << R"(C:\Program Files\Dial note\x.exe)"
      << QStringList{R"(RegSvr32 /s "C:\Program Files\Dial note\MSWINSCK.ocx")",
                     R"(RegSvr32 /s "C:\Program Files\Dial note\MS_XTools.ocx")",
                     R"(RegSvr32 /s "C:\Program Files\Dial note\SkinControl.ocx")"};
}

void AppPartsTest::registrationCommandLines() {
  QFETCH(QString, executable);
  testing::RecordingRuntime runtime;
  RegisterComponents(runtime, App(executable));
  QTEST(runtime.command_lines, "lines");
}

// ---------------------------------------------------------------------------

void AppPartsTest::dragOrigin_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<float>("x");
  QTest::addColumn<float>("y");
  QTest::addColumn<int>("drag_x");
  QTest::addColumn<int>("drag_y");
  QTest::newRow("a left press is remembered") << 1 << 300.0f << 200.0f << 300 << 200;
  QTest::newRow("a tie rounds down to even") << 1 << 2.5f << 0.0f << 2 << 0;
  QTest::newRow("a tie rounds up to even") << 1 << 3.5f << 4.5f << 4 << 4;
  QTest::newRow("below a half rounds down") << 1 << 7.49f << 7.51f << 7 << 8;
  QTest::newRow("a right press changes nothing") << 2 << 300.0f << 200.0f << -5 << -5;
  QTest::newRow("a middle press changes nothing") << 4 << 300.0f << 200.0f << -5 << -5;
  QTest::newRow("the far end of the title strip") << 1 << 7079.0f << 449.0f << 7079 << 449;
  QTest::newRow("a position past 16 bits is held at the limit")
      << 1 << 40000.0f << -40000.0f << 32767 << -32768;
}

void AppPartsTest::dragOrigin() {
  QFETCH(int, button);
  QFETCH(float, x);
  QFETCH(float, y);
  qint16 drag_x = -5;
  qint16 drag_y = -5;
  TitleBarMouseDown(drag_x, drag_y, button, x, y);
  QTEST(static_cast<int>(drag_x), "drag_x");
  QTEST(static_cast<int>(drag_y), "drag_y");
}

void AppPartsTest::dragMove_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<bool>("moves");
  QTest::addColumn<float>("left");
  QTest::addColumn<float>("top");
  QTest::newRow("the left button alone moves by the mouse's offset")
      << 1 << true << 1045.0f << 2015.0f;
  QTest::newRow("no button moves nothing") << 0 << false << 0.0f << 0.0f;
  QTest::newRow("the right button moves nothing") << 2 << false << 0.0f << 0.0f;
  QTest::newRow("left and right together move nothing") << 3 << false << 0.0f << 0.0f;
  QTest::newRow("left and middle together move nothing") << 5 << false << 0.0f << 0.0f;
}

// Pressed at (300, 200) on the title strip of a window at (1000, 2000), the
// mouse moves to (345, 215).
void AppPartsTest::dragMove() {
  QFETCH(int, button);
  QFETCH(bool, moves);
  qint16 drag_x = 0;
  qint16 drag_y = 0;
  TitleBarMouseDown(drag_x, drag_y, 1, 300, 200);
  const auto moved = TitleBarMouseMove(drag_x, drag_y, button, 345, 215, {1000, 2000});
  QCOMPARE(moved.has_value(), moves);
  if (moves) {
    QTEST(moved->left, "left");
    QTEST(moved->top, "top");
  }
}

// ---------------------------------------------------------------------------

void AppPartsTest::localAddress_data() {
  QTest::addColumn<QList<NetworkInterfaceState>>("interfaces");
  QTest::addColumn<QString>("address");
  const InterfaceAddress loopback{true, QStringLiteral("127.0.0.1")};
  const InterfaceAddress lan{true, QStringLiteral("192.168.1.20")};
  const InterfaceAddress wifi{true, QStringLiteral("10.0.0.7")};
  const InterfaceAddress v6{false, QStringLiteral("fe80::1")};
  QTest::newRow("no interface at all") << QList<NetworkInterfaceState>{} << "127.0.0.1";
  QTest::newRow("only the loopback")
      << QList<NetworkInterfaceState>{{true, true, true, {loopback}}} << "127.0.0.1";
  QTest::newRow("the first usable interface")
      << QList<NetworkInterfaceState>{{true, true, true, {loopback}},
                                      {true, true, false, {lan}},
                                      {true, true, false, {wifi}}}
      << "192.168.1.20";
  QTest::newRow("an interface that is down is passed over")
      << QList<NetworkInterfaceState>{{false, false, false, {lan}}, {true, true, false, {wifi}}}
      << "10.0.0.7";
  QTest::newRow("an interface that is up but not running is passed over")
      << QList<NetworkInterfaceState>{{true, false, false, {lan}}, {true, true, false, {wifi}}}
      << "10.0.0.7";
  QTest::newRow("IPv6 addresses are passed over")
      << QList<NetworkInterfaceState>{{true, true, false, {v6, wifi}}} << "10.0.0.7";
  QTest::newRow("an interface with only IPv6 gives the loopback")
      << QList<NetworkInterfaceState>{{true, true, false, {v6}}} << "127.0.0.1";
}

void AppPartsTest::localAddress() {
  QFETCH(QList<NetworkInterfaceState>, interfaces);
  QTEST(Winsock::ChooseLocalIP(interfaces), "address");
}

// ---------------------------------------------------------------------------

void AppPartsTest::skinLeavesOnlyKeyColouredPixelsOut() {
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(QColor(0xEB, 0xE9, 0xED));
  const QList<QPoint> key_pixels = {{0, 0}, {1, 0}, {0, 1}, {19, 0}, {10, 5}, {19, 9}};
  for (const QPoint& p : key_pixels) picture.setPixel(p, qRgb(0, 255, 255));
  picture.setPixel(5, 5, qRgb(0, 255, 254));  // near the key, but not it

  const Skin skin(16776960);  // #00FFFF as the window stores it
  const QRegion opaque = skin.OpaqueRegion(picture);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      QCOMPARE(opaque.contains(QPoint(x, y)), !key_pixels.contains(QPoint(x, y)));
    }
  }
  QVERIFY(!opaque.contains(QPoint(20, 0)));
}

// ---------------------------------------------------------------------------

void AppPartsTest::coloursKeepRedInTheLowByte_data() {
  QTest::addColumn<uint>("stored");
  QTest::addColumn<QColor>("colour");
  QTest::newRow("red") << 255u << QColor(0xFF, 0, 0);
  QTest::newRow("green") << 32768u << QColor(0, 0x80, 0);
  QTest::newRow("blue") << 16711680u << QColor(0, 0, 0xFF);
  QTest::newRow("white") << 16777215u << QColor(0xFF, 0xFF, 0xFF);
  QTest::newRow("the skin's key") << 16776960u << QColor(0, 0xFF, 0xFF);
  QTest::newRow("the button edge") << 12632256u << QColor(0xC0, 0xC0, 0xC0);
}

void AppPartsTest::coloursKeepRedInTheLowByte() {
  QFETCH(uint, stored);
  QFETCH(QColor, colour);
  QCOMPARE(ToQColor(stored, QPalette()), colour);
  QCOMPARE(FromQColor(colour), stored);
}

void AppPartsTest::designFontIsSizedForNinetySixDotsPerInch_data() {
  QTest::addColumn<double>("points");
  QTest::addColumn<int>("weight");
  QTest::addColumn<int>("pixels");
  QTest::addColumn<bool>("bold");
  QTest::newRow("8.25 pt") << 8.25 << 400 << 11 << false;
  QTest::newRow("9.75 pt bold") << 9.75 << 700 << 13 << true;
  QTest::newRow("12 pt bold") << 12.0 << 700 << 16 << true;
  QTest::newRow("12.75 pt") << 12.75 << 400 << 17 << false;
  QTest::newRow("15 pt bold") << 15.0 << 700 << 20 << true;
}

void AppPartsTest::designFontIsSizedForNinetySixDotsPerInch() {
  QFETCH(double, points);
  QFETCH(int, weight);
  const QFont font = DesignFont(points, weight);
  QTEST(font.pixelSize(), "pixels");
  QTEST(font.bold(), "bold");
  QCOMPARE(font.families().first(), QStringLiteral("Tahoma"));
  QVERIFY(font.families().contains(QStringLiteral("DejaVu Sans")));
  QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
}

void AppPartsTest::autoSizeLabelsKeepTheirFixedEdge_data() {
  QTest::addColumn<int>("growth");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("fixed_left");   // -1: not fixed
  QTest::addColumn<int>("fixed_right");  // one past the last column; -1: not fixed
  QTest::newRow("growing to the left keeps the right edge")
      << int(Growth::kToLeft) << QStringLiteral("آي پي شما : 255.255.255.255") << -1 << 331;
  QTest::newRow("growing to the right keeps the left edge")
      << int(Growth::kToRight) << QStringLiteral("دايالنوت") << 328 << -1;
  QTest::newRow("an empty caption keeps the design width")
      << int(Growth::kToLeft) << QString() << 328 << 331;
}

void AppPartsTest::autoSizeLabelsKeepTheirFixedEdge() {
  QFETCH(int, growth);
  QFETCH(QString, caption);
  QFETCH(int, fixed_left);
  QFETCH(int, fixed_right);
  QWidget window;
  window.resize(400, 100);
  AutoSizeLabel label(&window);
  label.SetDesign({.name = "Label",
                   .kind = ControlKind::kLabel,
                   .left = 4920,
                   .top = 2400,
                   .width = 45,
                   .height = 195,
                   .font_points = 8.25,
                   .fore = 16777215,
                   .back = kTransparent,
                   .reading_order = ReadingOrder::kRightToLeft,
                   .growth = static_cast<Growth>(growth)});
  label.SetCaption(caption);
  if (fixed_left >= 0) QCOMPARE(label.x(), fixed_left);
  if (fixed_right >= 0) QCOMPARE(label.x() + label.width(), fixed_right);
  QCOMPARE(label.y(), 160);
  QVERIFY(label.width() >= label.sizeHint().width() || caption.isEmpty());
  QCOMPARE(label.Caption(), caption);
}

// ---------------------------------------------------------------------------

void AppPartsTest::xpButtonTakesItsSettingsFromThePropertyBag() {
  XPButton button;
  const QCursor hand = HandCursor();
  button.ReadProperties({{QStringLiteral("tx"), QStringLiteral("خروج")},
                         {QStringLiteral("enab"), true},
                         {QStringLiteral("bcol"), 16777215u},
                         {QStringLiteral("fcol"), 0u},
                         {QStringLiteral("fcolo"), 16711680u},
                         {QStringLiteral("mcol"), 12632256u},
                         {QStringLiteral("mptr"), kCustomMousePointer},
                         {QStringLiteral("micon"), hand},
                         {QStringLiteral("_extentx"), 2355},
                         {QStringLiteral("_extenty"), 661}});
  QCOMPARE(button.text(), QStringLiteral("خروج"));
  QVERIFY(button.isEnabled());
  QCOMPARE(button.settings().fcolo, 16711680u);
  QCOMPARE(button.settings().mcol, 12632256u);
  QCOMPARE(button.settings().extentx, 2355);
  QCOMPARE(button.cursor().shape(), Qt::BitmapCursor);
  QCOMPARE(button.cursor().hotSpot(), hand.hotSpot());

  // A button drawn with its face colour and caption colour.
  button.resize(89, 25);
  QImage drawn(button.size(), QImage::Format_ARGB32);
  drawn.fill(Qt::transparent);
  button.render(&drawn);
  QCOMPARE(QColor(drawn.pixel(44, 3)).lightness() > 240, true);

  button.ReadProperties({{QStringLiteral("enab"), false}, {QStringLiteral("mptr"), 0}});
  QVERIFY(!button.isEnabled());
  QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
}

void AppPartsTest::xpButtonClicksOnlyWhenEnabled() {
  XPButton button;
  button.resize(89, 25);
  QSignalSpy clicks(&button, &XPButton::clicked);
  QTest::mouseClick(&button, Qt::LeftButton);
  QCOMPARE(clicks.count(), 1);
  button.ReadProperties({{QStringLiteral("enab"), false}});
  QTest::mouseClick(&button, Qt::LeftButton);
  QCOMPARE(clicks.count(), 1);
}

void AppPartsTest::aMissingDisplayIsNamed_data() {
  QTest::addColumn<QString>("platform");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("wayland");
  QTest::addColumn<bool>("missing");
  QTest::newRow("the default platform with neither") << ""
                                                     << ""
                                                     << "" << true;
  QTest::newRow("the default platform with X11") << ""
                                                 << ":0"
                                                 << "" << false;
  QTest::newRow("the default platform with Wayland") << ""
                                                     << ""
                                                     << "wayland-0" << false;
  QTest::newRow("X11 asked for without DISPLAY") << "xcb"
                                                 << ""
                                                 << "wayland-0" << true;
  QTest::newRow("X11 asked for with DISPLAY") << "xcb"
                                              << ":1"
                                              << "" << false;
  QTest::newRow("Wayland asked for without its display") << "wayland"
                                                         << ":0"
                                                         << "" << true;
  QTest::newRow("a Wayland variant with its display") << "wayland-egl"
                                                      << ""
                                                      << "w-1" << false;
  QTest::newRow("X11 with plugin options") << "xcb:nomitshm"
                                           << ""
                                           << "" << true;
  QTest::newRow("offscreen needs no display") << "offscreen"
                                              << ""
                                              << "" << false;
}

void AppPartsTest::aMissingDisplayIsNamed() {
  QFETCH(QString, platform);
  QFETCH(QString, display);
  QFETCH(QString, wayland);
  QFETCH(bool, missing);
  const auto message = MissingDisplay(platform, display, wayland);
  QCOMPARE(message.has_value(), missing);
  if (message) QVERIFY(message->contains(QLatin1String("DISPLAY/WAYLAND_DISPLAY")));
}

}  // namespace dialnote

QTEST_MAIN(dialnote::AppPartsTest)
#include "app_parts_test.moc"
