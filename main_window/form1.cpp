// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/form1.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "assets/artwork.h"
#include "catalogue/code_entry_rules.h"
#include "catalogue/lookup_poll.h"
#include "main_window/form1_design.h"
#include "platform/component_registration.h"
#include "platform/identity.h"
#include "platform/module1.h"
#include "platform/qt_text.h"
#include "window_kit/title_bar_drag.h"

namespace dialnote {
namespace {

// `trancolor` of Skin1: #00FFFF.
constexpr OleColor kTrancolor = 16776960;

// The persisted settings of the three XPButton instances; only the caption
// differs between them.
QVariantMap XPButtonBag(const ControlDesign& design) {
  return {
      {QStringLiteral("tx"), design.Text()},
      {QStringLiteral("font"), DesignFont(design.font_points, design.font_weight)},
      {QStringLiteral("enab"), true},
      {QStringLiteral("btype"), 3},
      {QStringLiteral("coltype"), 1},
      {QStringLiteral("focusr"), true},
      {QStringLiteral("bcol"), 16777215u},
      {QStringLiteral("bcolo"), 16777215u},
      {QStringLiteral("fcol"), 0u},
      {QStringLiteral("fcolo"), 16711680u},
      {QStringLiteral("mcol"), 12632256u},
      {QStringLiteral("umcol"), true},
      {QStringLiteral("mptr"), kCustomMousePointer},
      {QStringLiteral("micon"), HandCursor()},
      {QStringLiteral("soft"), false},
      {QStringLiteral("picpos"), 0},
      {QStringLiteral("ngrey"), false},
      {QStringLiteral("fx"), 0},
      {QStringLiteral("hand"), false},
      {QStringLiteral("check"), false},
      {QStringLiteral("value"), false},
      {QStringLiteral("_extentx"), 2355},
      {QStringLiteral("_extenty"), 661},
  };
}

QIcon ArrowIcon(QStringView name) {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(LoadArtwork(name, 1.0)));
  icon.addPixmap(QPixmap::fromImage(LoadArtwork(name, 2.0)));
  return icon;
}

template <class Control>
Control* Make(QWidget* window, std::string_view name) {
  auto* control = new Control(window);
  ApplyDesign(*control, form1::Control(name));
  return control;
}

}  // namespace

Form1::Form1(Runtime& runtime, const App& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      runtime_(runtime),
      app_(app),
      background_(u"form1_background") {
  Form_Initialize();
  BuildControls();
  ConnectHandlers();
  Timer1->start();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(form1::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/dialnote/icon.png")));
  setFixedSize(form1::ClientSize());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }

  // Creation order is stacking order: on the title strip, imgexit lies over
  // lbTitleBar, which lies over Label3 and Image1.
  Text1 = Make<CodeEntry>(this, "Text1");
  Text1->setMaxLength(3);
  Text1->setAlignment(Qt::AlignCenter);
  Text1->setText(form1::Control("Text1").Text());

  Label1 = new AutoSizeLabel(this);
  Label1->SetDesign(form1::Control("Label1"));

  Command1 = Make<QPushButton>(this, "Command1");
  Command2 = Make<QPushButton>(this, "Command2");  // on top of Command1 where they meet
  for (QPushButton* step : {Command1, Command2}) {
    step->setIconSize(QSize(9, 6));
    step->setCursor(HandCursor());
    step->setAutoDefault(false);
  }
  Command1->setIcon(ArrowIcon(u"arrow_up"));
  Command2->setIcon(ArrowIcon(u"arrow_down"));

  List1 = Make<CodeList>(this, "List1");
  List1->setSelectionMode(QAbstractItemView::SingleSelection);

  Text2 = Make<QPlainTextEdit>(this, "Text2");
  Text2->setReadOnly(true);
  Text2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text2->setFocusPolicy(Qt::StrongFocus);
  Text2->setTabChangesFocus(true);
  Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text2->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QTextOption right_to_left = Text2->document()->defaultTextOption();
  right_to_left.setAlignment(Qt::AlignRight);
  right_to_left.setTextDirection(Qt::RightToLeft);
  Text2->document()->setDefaultTextOption(right_to_left);

  Label2 = new AutoSizeLabel(this);
  Label2->SetDesign(form1::Control("Label2"));
  Label3 = new AutoSizeLabel(this);
  Label3->SetDesign(form1::Control("Label3"));

  Image1 = Make<ImageControl>(this, "Image1");
  Image1->SetPicture(ArtworkPixmap(u"icon"));
  lbTitleBar = Make<ImageControl>(this, "lbTitleBar");
  imgexit = Make<ImageControl>(this, "imgexit");
  imgexit->SetPicture(ArtworkPixmap(u"close"));
  imgexit->setCursor(HandCursor());

  cmdabout = Make<XPButton>(this, "cmdabout");
  web = Make<XPButton>(this, "web");
  cmdexit = Make<XPButton>(this, "cmdexit");
  for (XPButton* button : {cmdabout, web, cmdexit}) {
    button->ReadProperties(XPButtonBag(form1::Control(button->objectName().toStdString())));
  }

  Line1 = Make<LineControl>(this, "Line1");

  // The platform's window timer: an interval shorter than its shortest
  // period fires at that period.
  Timer1 = new WindowTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(form1::Control("Timer1").interval_ms);

  Winsock1 = new Winsock(this);
  Winsock1->setObjectName(QStringLiteral("Winsock1"));
  Skin1 = new Skin(kTrancolor, this);
  Skin1->setObjectName(QStringLiteral("Skin1"));
  Skin1->Apply(*this, background_);

  imgexit->SetAccessibleRole(QAccessible::Button);
  lbTitleBar->SetAccessibleRole(QAccessible::TitleBar);
  setAccessibleName(ToQString(form1::kCaption));
  ApplyAccessibleTexts(*this, form1::AccessibleTexts());

  QWidget* previous = nullptr;
  for (const std::string_view name : form1::kTabOrder) {
    auto* control = findChild<QWidget*>(ToQString(name));
    if (previous != nullptr) {
      setTabOrder(previous, control);
    }
    previous = control;
  }

  text1_box_ = std::make_unique<LineEditTextBox>(*Text1);
  text2_box_ = std::make_unique<PlainTextBox>(*Text2);
  list1_box_ = std::make_unique<ListWidgetListBox>(*List1);
}

void Form1::ConnectHandlers() {
  Text1->SetKeyPressHandler([this](int& key_ascii) { Text1_KeyPress(key_ascii); });
  connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(List1, &CodeList::Click, this, &Form1::List1_Click);
  connect(cmdabout, &XPButton::clicked, this, &Form1::cmdabout_Click);
  connect(web, &XPButton::clicked, this, &Form1::web_Click);
  connect(cmdexit, &XPButton::clicked, this, &Form1::cmdexit_Click);
  connect(imgexit, &ImageControl::Click, this, &Form1::imgexit_Click);
  connect(lbTitleBar, &ImageControl::MouseDown, this, &Form1::lbTitleBar_MouseDown);
  connect(lbTitleBar, &ImageControl::MouseMove, this, &Form1::lbTitleBar_MouseMove);
  connect(Timer1, &WindowTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The window becomes the application's active form once, when it is first
  // shown, whatever the window manager then does with the focus.
  if (!activated_) {
    activated_ = true;
    Form_Activate();
  }
}

void Form1::paintEvent(QPaintEvent* /*event*/) { background_.Paint(*this); }

// ---------------------------------------------------------------------------
// Start-up

void Form1::Form_Initialize() { RegisterComponents(runtime_, app_); }

void Form1::Form_Activate() {
  RegisterComponents(runtime_, app_);
  Text1->setFocus(Qt::ActiveWindowFocusReason);
  Text1->selectAll();  // the first code typed replaces "600"
  CodeEntryRules::FillList(*list1_box_);
  Label2->SetCaption(ToQString(form1::kIpCaption) + Winsock1->LocalIP());
}

// ---------------------------------------------------------------------------
// The code entry, the list, the steps and the poll

void Form1::Timer1_Timer() { LookupPoll::Tick(*text1_box_, *text2_box_); }

void Form1::Text1_KeyPress(int& KeyAscii) {
  KeyAscii = CodeEntryRules::FilterKey(static_cast<char16_t>(KeyAscii));
}

void Form1::Text1_Change() { CodeEntryRules::Normalise(*text1_box_, *list1_box_); }

void Form1::Command1_Click() { CodeEntryRules::StepUp(*text1_box_); }

void Form1::Command2_Click() { CodeEntryRules::StepDown(*text1_box_); }

void Form1::List1_Click() { CodeEntryRules::PickFromList(*text1_box_, *list1_box_); }

// ---------------------------------------------------------------------------
// Commands

void Form1::cmdabout_Click() {
  const QString path =
      ExecutablePath(app_.Path(), app_.EXEName(), ToQString(identity::kExecutableSuffix));
  const QIcon icon = Module1::ExtractIconA(0, path, 0);
  Module1::ShellAboutA(
      this, ToQString(form1::kAboutTitle),
      ToQString(identity::kCopyrightLine) + QLatin1Char('\n') + ToQString(identity::kWebAddress),
      icon);
}

void Form1::web_Click() { Module1::ShellOpen(ToQString(identity::kWebAddress)); }

void Form1::cmdexit_Click() { runtime_.End(); }

void Form1::imgexit_Click() { runtime_.End(); }

void Form1::lbTitleBar_MouseDown(int Button, int /*Shift*/, float X, float Y) {
  DragWindowMouseDown(*this, dragX, dragY, Button, X, Y);
}

void Form1::lbTitleBar_MouseMove(int Button, int /*Shift*/, float X, float Y) {
  DragWindowMouseMove(*this, dragX, dragY, Button, X, Y);
}

}  // namespace dialnote
