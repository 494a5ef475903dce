// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts and Qt's, side by side: the core keeps UTF-16 views and
// the identity UTF-8 views; the windows want QString.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace dialnote {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A view of a QString's own code units, without copying them; valid while
// the string lives unchanged.
inline std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace dialnote
