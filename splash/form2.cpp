// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/form2.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>

#include "assets/artwork.h"
#include "platform/identity.h"
#include "platform/qt_text.h"
#include "splash/form2_design.h"
#include "window_kit/title_bar_drag.h"

namespace dialnote {
namespace {

AutoSizeLabel* MakeLabel(QWidget* window, std::string_view name) {
  auto* label = new AutoSizeLabel(window);
  label->SetDesign(form2::Control(name));
  return label;
}

// The platform's window timer, as the main window's poll has: precise
// enough that the hand-over comes five seconds after load, and never the
// multimedia timer on Windows, where Qt would put any precise timer.
WindowTimer* MakeTimer(QObject* window, std::string_view name) {
  const ControlDesign& design = form2::Control(name);
  auto* timer = new WindowTimer(window);
  timer->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  timer->setInterval(design.interval_ms);
  return timer;
}

}  // namespace

QString VersionCaption(qint16 major, qint16 minor, qint16 revision) {
  return ToQString(form2::kVersionWord) + QLatin1Char(' ') + QString::number(major) +
         QLatin1Char('.') + QString::number(minor) + QLatin1Char('.') + QString::number(revision) +
         QLatin1Char(' ');
}

// A tool window has no taskbar button and is still an ordinary top-level
// window that the program, or the window manager for it, can move; a splash
// screen window would also have no taskbar button, but window managers
// refuse to move those.
Form2::Form2(const App& app, std::function<void()> show_main_form)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      app_(app),
      show_main_form_(std::move(show_main_form)),
      background_(u"form2_background") {
  BuildControls();
  ConnectHandlers();
  Form_Load();
  for (WindowTimer* timer : {Timer1, Timer2, Timer3}) {
    timer->start();
  }
}

Form2::~Form2() = default;

void Form2::BuildControls() {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString());
  setWindowIcon(QIcon(QStringLiteral(":/dialnote/icon.png")));
  setFixedSize(form2::ClientSize());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }

  // Creation order is stacking order: lbTitleBar lies over Label5, so a
  // press on the title text starts a drag too.
  Label5 = MakeLabel(this, "Label5");
  Label1 = MakeLabel(this, "Label1");
  Label2 = MakeLabel(this, "Label2");
  Label3 = MakeLabel(this, "Label3");
  Label4 = MakeLabel(this, "Label4");
  lbTitleBar = new ImageControl(this);
  ApplyDesign(*lbTitleBar, form2::Control("lbTitleBar"));
  lbTitleBar->SetAccessibleRole(QAccessible::TitleBar);
  setAccessibleName(ToQString(form2::kAccessibleName));
  ApplyAccessibleTexts(*this, form2::AccessibleTexts());

  Skin1 = new Skin(form2::kTrancolor, this);
  Skin1->setObjectName(QStringLiteral("Skin1"));
  Skin1->Apply(*this, background_);

  Timer1 = MakeTimer(this, "Timer1");
  Timer2 = MakeTimer(this, "Timer2");
  Timer3 = MakeTimer(this, "Timer3");
}

void Form2::ConnectHandlers() {
  connect(Timer1, &WindowTimer::timeout, this, &Form2::Timer1_Timer);
  connect(Timer2, &WindowTimer::timeout, this, &Form2::Timer2_Timer);
  connect(Timer3, &WindowTimer::timeout, this, &Form2::Timer3_Timer);
  connect(lbTitleBar, &ImageControl::MouseDown, this, &Form2::lbTitleBar_MouseDown);
  connect(lbTitleBar, &ImageControl::MouseMove, this, &Form2::lbTitleBar_MouseMove);
}

void Form2::paintEvent(QPaintEvent* /*event*/) { background_.Paint(*this); }

void Form2::Unload() {
  for (WindowTimer* timer : {Timer1, Timer2, Timer3}) {
    timer->stop();
    disconnect(timer, nullptr, this, nullptr);
  }
  disconnect(lbTitleBar, nullptr, this, nullptr);
  close();
  deleteLater();
}

// ---------------------------------------------------------------------------
// Handlers

void Form2::Form_Load() {
  Label1->SetCaption(ToQString(form2::kVersionWord) + QLatin1Char(' ') +
                     ToQString(form2::kVersionPlaceholder) + QLatin1Char(' '));
  Label2->SetCaption(ToQString(identity::kAuthors));
  Label3->SetCaption(ToQString(identity::kCopyrightLine));
  Label4->SetCaption(ToQString(identity::kWebAddress));
}

void Form2::Timer1_Timer() {
  Label2->SetForeColor(Label2->ForeColor() == form2::kGreen ? form2::kRed : form2::kGreen);
}

void Form2::Timer3_Timer() {
  Label1->SetCaption(VersionCaption(app_.Major(), app_.Minor(), app_.Revision()));
}

// The main window first, then the splash goes: there is never a moment
// without a window on the screen.
void Form2::Timer2_Timer() {
  show_main_form_();
  Unload();
}

void Form2::lbTitleBar_MouseDown(int Button, int /*Shift*/, float X, float Y) {
  DragWindowMouseDown(*this, dragX, dragY, Button, X, Y);
}

void Form2::lbTitleBar_MouseMove(int Button, int /*Shift*/, float X, float Y) {
  DragWindowMouseMove(*this, dragX, dragY, Button, X, Y);
}

}  // namespace dialnote
