// SPDX-License-Identifier: GPL-3.0-or-later
// Component registration: each start of the main window hands the three
// component files beside the executable to the platform's registration tool,
// silently, without waiting.
#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace dialnote {

class App;
class Runtime;

// The stored names, in the order of registration.
inline constexpr std::array<std::u16string_view, 3> kComponentFiles = {
    u"\\MSWINSCK.ocx", u"\\MS_XTools.ocx", u"\\SkinControl.ocx"};

// "RegSvr32 /s " and the quoted component path: the folder immediately
// followed by the stored name.
QString RegistrationCommandLine(const QString& folder, std::u16string_view stored_name);

// Starts the three registrations, reading the application folder afresh for
// each.
void RegisterComponents(Runtime& runtime, const App& app);

}  // namespace dialnote
