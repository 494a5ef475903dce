// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as its runtime keeps them. Start-up loads the splash
// window, which five seconds later asks for the main window and unloads
// itself. The shell owns the one main window, since it lives on after the
// splash that asked for it is gone; both end with the shell.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "main_window/form1.h"
#include "platform/app_object.h"
#include "platform/runtime.h"

namespace dialnote {

class Form2;

class ApplicationShell : public QObject {
  Q_OBJECT

 public:
  // `runtime` and `app` go to both windows; tests pass their own.
  explicit ApplicationShell(Runtime& runtime = DesktopRuntime::Instance(),
                            const App& app = App::Current());
  ~ApplicationShell() override;

  [[nodiscard]] Runtime& runtime() const { return runtime_; }
  [[nodiscard]] const App& app() const { return app_; }

  // Start-up: loads the splash window and shows it. The splash is loaded
  // once only; later calls do nothing.
  void Start();

  // Shows the main window, modeless and without an owner, creating it first
  // if it does not exist yet. Creating it runs its Form_Initialize, and its
  // first showing its Form_Activate.
  Form1& ShowMainForm();

  // The main window, or null before the hand-over.
  [[nodiscard]] Form1* MainForm() const { return form1_.get(); }
  // The splash window, or null before start-up and once it has been unloaded.
  [[nodiscard]] Form2* Splash() const;

 signals:
  void MainWindowShown(dialnote::Form1* window);

 private:
  Runtime& runtime_;
  const App app_;  // a copy: the caller's object may not outlive the shell
  bool started_ = false;
  QPointer<Form2> form2_;  // deletes itself when unloaded
  std::unique_ptr<Form1> form1_;
};

}  // namespace dialnote
