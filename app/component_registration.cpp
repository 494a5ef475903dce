#include "app/component_registration.h"

#include "app/app_object.h"
#include "app/runtime.h"

namespace dialnote {

QString RegistrationCommandLine(const QString& folder, std::u16string_view stored_name) {
  return QStringLiteral("RegSvr32 /s \"") + folder +
         QString::fromUtf16(stored_name.data(), static_cast<qsizetype>(stored_name.size())) +
         QLatin1Char('"');
}

void RegisterComponents(Runtime& runtime, const App& app) {
  for (const std::u16string_view stored_name : kComponentFiles) {
    runtime.Shell(RegistrationCommandLine(app.Path(), stored_name));
  }
}

}  // namespace dialnote
