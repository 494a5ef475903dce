// SPDX-License-Identifier: GPL-3.0-or-later
// Form1, the main window: the code entry, the code list, the step buttons
// and the explanation box, framed by a painted title strip.
//
// Data flows one way: keys and clicks change Text1 and List1 through the
// code entry rules; Timer1's poll reads Text1, asks the catalogue and writes
// Text2. Nothing else writes Text2.
#pragma once

#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "components/skin.h"
#include "components/winsock.h"
#include "components/xp_button.h"
#include "main_window/qt_controls.h"
#include "platform/app_object.h"
#include "platform/runtime.h"
#include "platform/window_timer.h"
#include "window_kit/design_controls.h"
#include "window_kit/window_background.h"

namespace dialnote {

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // `runtime` starts outside programs and ends the program; `app` tells
  // where the program lies. Tests pass their own.
  explicit Form1(Runtime& runtime = DesktopRuntime::Instance(), const App& app = App::Current(),
                 QWidget* parent = nullptr);
  ~Form1() override;

  // The controls, by their design names.
  CodeEntry* Text1 = nullptr;
  AutoSizeLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  CodeList* List1 = nullptr;
  QPlainTextEdit* Text2 = nullptr;
  AutoSizeLabel* Label2 = nullptr;
  AutoSizeLabel* Label3 = nullptr;
  ImageControl* Image1 = nullptr;
  ImageControl* lbTitleBar = nullptr;
  ImageControl* imgexit = nullptr;
  XPButton* cmdabout = nullptr;
  XPButton* web = nullptr;
  XPButton* cmdexit = nullptr;
  LineControl* Line1 = nullptr;
  WindowTimer* Timer1 = nullptr;
  Winsock* Winsock1 = nullptr;
  Skin* Skin1 = nullptr;

  // The drag origin, in twips, of the last left press on the title strip.
  qint16 dragX = 0;
  qint16 dragY = 0;

  // Whether the one activation has run.
  [[nodiscard]] bool activated() const { return activated_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void ConnectHandlers();

  void Form_Initialize();
  void Form_Activate();
  void Timer1_Timer();
  void Text1_KeyPress(int& KeyAscii);
  void Text1_Change();
  void Command1_Click();
  void Command2_Click();
  void List1_Click();
  void cmdabout_Click();
  void web_Click();
  void cmdexit_Click();
  void imgexit_Click();
  void lbTitleBar_MouseDown(int Button, int Shift, float X, float Y);
  void lbTitleBar_MouseMove(int Button, int Shift, float X, float Y);

  Runtime& runtime_;
  const App app_;  // a copy: the caller's object may not outlive the window
  WindowBackground background_;
  bool activated_ = false;
  std::unique_ptr<LineEditTextBox> text1_box_;
  std::unique_ptr<PlainTextBox> text2_box_;
  std::unique_ptr<ListWidgetListBox> list1_box_;
};

}  // namespace dialnote
