// SPDX-License-Identifier: GPL-3.0-or-later
// The lookup poll: what puts an explanation on the screen. The main window
// runs it on every tick of its 1 ms timer; it is the only writer of the
// explanation box.
#pragma once

#include "catalogue/controls.h"

namespace dialnote {

class LookupPoll {
 public:
  // Reads the entry's text once and, when it is a catalogue code, makes the
  // explanation box show that code's explanation. When the text is no code
  // the box keeps what it shows. The box is written only when its text
  // differs from the explanation: the screen is the same at every tick, the
  // user's selection in the box survives, and anything else that came into
  // the box is still replaced at the next tick. Keeps no state.
  static void Tick(const TextBox& entry, TextBox& explanation);
};

}  // namespace dialnote
