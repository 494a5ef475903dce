// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_shell.h"

#include "main_window/form1.h"
#include "splash/form2.h"

namespace dialnote {

ApplicationShell::ApplicationShell(Runtime& runtime, const App& app)
    : runtime_(runtime), app_(app) {}

// The splash, if still loaded, goes before the main window it would ask for.
ApplicationShell::~ApplicationShell() { delete form2_.data(); }

void ApplicationShell::Start() {
  if (started_) {
    return;
  }
  started_ = true;
  form2_ = new Form2(app_, [this] { ShowMainForm(); });
  form2_->show();
}

Form2* ApplicationShell::Splash() const { return form2_; }

Form1& ApplicationShell::ShowMainForm() {
  if (!form1_) {
    form1_ = std::make_unique<Form1>(runtime_, app_);
  }
  form1_->show();
  // Showing a form activates it, as it always did on Windows, so the keyboard
  // is in the code entry at once.
  form1_->activateWindow();
  emit MainWindowShown(form1_.get());
  return *form1_;
}

}  // namespace dialnote
