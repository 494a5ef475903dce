// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that keep the code entry, the code list and the two step buttons
// consistent. Each handler of the main window is one call into them:
//
//   Text1_KeyPress  -> FilterKey        Command1_Click -> StepUp
//   Text1_Change    -> Normalise        Command2_Click -> StepDown
//   List1_Click     -> PickFromList     activation     -> FillList
//
// They steer the entry toward texts that the lookup poll can match, and never
// consult the catalogue themselves. They hold no state between calls: the
// entry's text and the list's selection are the only state, and every step
// reads them again.
#pragma once

#include <string_view>

#include "catalogue/controls.h"

namespace dialnote {

class CodeEntryRules {
 public:
  static constexpr std::u16string_view kFirstCodeText = u"600";
  static constexpr std::u16string_view kLastCodeText = u"800";
  static constexpr int kListSize = 201;

  // The typed character's code if the entry accepts it (the digits 0 to 9,
  // Backspace and Enter), otherwise 0, which discards the character.
  [[nodiscard]] static char16_t FilterKey(char16_t key);

  // One normalisation pass, run after every change of the entry's text:
  // selects the list entry equal to the text, selects the first code when the
  // text is empty, and pulls a three-character text below or above the code
  // range, or the lone "8", to the nearest end of the range.
  static void Normalise(TextBox& entry, ListBox& list);

  // One code up or down. The text is read as a decimal number and replaced by
  // the neighbouring number; a result outside the range that the nested pass
  // leaves standing wraps to the other end. A text that is not a run of ASCII
  // digits (empty, or pasted) is left as it is.
  static void StepUp(TextBox& entry);
  static void StepDown(TextBox& entry);

  // Copies the list's selected entry into the entry.
  static void PickFromList(TextBox& entry, const ListBox& list);

  // Appends the codes "600" to "800" and selects "600". Runs once per window.
  static void FillList(ListBox& list);
};

}  // namespace dialnote
