// SPDX-License-Identifier: GPL-3.0-or-later
// Form2, the splash window: the program's first window. It names the program,
// its version, authors and maker, blinks the authors' name, and five seconds
// after it was loaded hands over to the main window and unloads itself.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "components/skin.h"
#include "platform/app_object.h"
#include "platform/window_timer.h"
#include "window_kit/design_controls.h"
#include "window_kit/window_background.h"

namespace dialnote {

// Label1's version line: "نسخه :", a space, the three numbers in plain
// decimal joined by full stops, and a trailing space ("نسخه : 2.0.0 ").
QString VersionCaption(qint16 major, qint16 minor, qint16 revision);

class Form2 : public QWidget {
  Q_OBJECT

 public:
  // Loads the window: builds its controls, runs Form_Load and starts the
  // three timers. The hand-over calls `show_main_form` and then unloads the
  // window, which deletes it, so it lives on the heap without a parent.
  // `app` answers the version line; the window keeps a copy.
  Form2(const App& app, std::function<void()> show_main_form);
  ~Form2() override;

  // The controls, by their design names.
  AutoSizeLabel* Label5 = nullptr;
  AutoSizeLabel* Label1 = nullptr;
  AutoSizeLabel* Label2 = nullptr;
  AutoSizeLabel* Label3 = nullptr;
  AutoSizeLabel* Label4 = nullptr;
  ImageControl* lbTitleBar = nullptr;
  Skin* Skin1 = nullptr;
  WindowTimer* Timer1 = nullptr;
  WindowTimer* Timer2 = nullptr;
  WindowTimer* Timer3 = nullptr;

  // The drag origin, in twips, of the last left press on the title strip.
  qint16 dragX = 0;
  qint16 dragY = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void ConnectHandlers();
  // Unload: no handler runs after it, the window closes and is deleted.
  void Unload();

  void Form_Load();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void lbTitleBar_MouseDown(int Button, int Shift, float X, float Y);
  void lbTitleBar_MouseMove(int Button, int Shift, float X, float Y);

  const App app_;
  std::function<void()> show_main_form_;
  WindowBackground background_;
};

}  // namespace dialnote
