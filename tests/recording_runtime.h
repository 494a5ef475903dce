// SPDX-License-Identifier: GPL-3.0-or-later
// A runtime that records what the windows ask of it instead of doing it.
#pragma once

#include <QStringList>

#include "platform/runtime.h"

namespace dialnote::testing {

class RecordingRuntime final : public Runtime {
 public:
  void Shell(const QString& command_line) override { command_lines.append(command_line); }
  void End() override { ++ends; }

  QStringList command_lines;
  int ends = 0;
};

}  // namespace dialnote::testing
