// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_object.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/identity.h"
#include "platform/qt_text.h"

namespace dialnote {
namespace {

// Windows paths use backslashes; everywhere else the slash separates.
QChar SeparatorOf(const QString& path) {
  return path.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
}

}  // namespace

const App& App::Current() {
  static const App current(QCoreApplication::instance() != nullptr
                               ? QDir::toNativeSeparators(QCoreApplication::applicationFilePath())
                               : QString());
  return current;
}

App::App(const QString& executable_path) {
  const QChar separator = SeparatorOf(executable_path);
  const qsizetype last = executable_path.lastIndexOf(separator);
  const QString file = executable_path.mid(last + 1);
  path_ = executable_path.left(last);
  // A root folder keeps its separator: "C:" becomes "C:\", "" becomes "/".
  const bool drive_root = path_.size() == 2 && path_.at(1) == QLatin1Char(':');
  if (last >= 0 && (path_.isEmpty() || drive_root)) {
    path_ += separator;
  }
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  exe_name_ = dot > 0 ? file.left(dot) : file;
}

QString ExecutablePath(const QString& folder, const QString& exe_name, const QString& suffix) {
  const QChar separator = SeparatorOf(folder);
  if (folder.endsWith(separator)) {
    return folder + exe_name + suffix;
  }
  return folder + separator + exe_name + suffix;
}

QString App::Title() const { return ToQString(identity::kTitle); }
qint16 App::Major() const { return identity::kMajor; }
qint16 App::Minor() const { return identity::kMinor; }
qint16 App::Revision() const { return identity::kRevision; }

}  // namespace dialnote
