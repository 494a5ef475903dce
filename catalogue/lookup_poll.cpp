// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/lookup_poll.h"

#include "catalogue/error_catalogue.h"
#include "catalogue/text_equality.h"

namespace dialnote {

void LookupPoll::Tick(const TextBox& entry, TextBox& explanation) {
  const std::optional<std::u16string_view> found = ErrorCatalogue::Lookup(entry.Text());
  if (found && !SameText(explanation.Text(), *found)) {
    explanation.SetText(*found);
  }
}

}  // namespace dialnote
