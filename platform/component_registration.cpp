// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/component_registration.h"

#include "platform/app_object.h"
#include "platform/qt_text.h"
#include "platform/runtime.h"

namespace dialnote {

QString RegistrationCommandLine(const QString& folder, std::u16string_view stored_name) {
  return QStringLiteral("RegSvr32 /s \"") + folder + ToQString(stored_name) + QLatin1Char('"');
}

void RegisterComponents(Runtime& runtime, const App& app) {
  for (const std::u16string_view stored_name : kComponentFiles) {
    runtime.Shell(RegistrationCommandLine(app.Path(), stored_name));
  }
}

}  // namespace dialnote
