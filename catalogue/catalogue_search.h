// SPDX-License-Identifier: GPL-3.0-or-later
// Finding entries by words of their explanation or symbol, for the user who
// has the message but not the code.
//
// Words are compared the way a Persian reader means them. The catalogue
// writes Arabic yeh and kaf (ي ك) and "مي شود" with a plain space, while a
// Persian keyboard types Persian yeh and keheh (ی ک) and "می‌شود" with a
// zero-width non-joiner, or nothing. So both sides are folded alike:
// - yeh: U+064A, U+06CC and alef maksura U+0649 are one letter; kaf: U+0643
//   and U+06A9 are one letter;
// - the non-joiner, the tatweel (U+0640), the Arabic diacritics
//   (U+064B-U+065F, U+0670) and the invisible marks are dropped;
// - spaces of any kind are dropped, inside the word and inside the text;
// - ASCII letters fold to lower case; Persian and Arabic-Indic digits to ASCII.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/error_catalogue.h"

namespace dialnote {

// `utf8` folded for comparison, in UTF-8; bytes that are not UTF-8 stay.
std::string FoldForSearch(std::string_view utf8);

// The entries of the command's span (600 to 878), in code order, in whose folded explanation or
// folded symbol each of the folded `words` stands. Every word must fold to something (the caller
// refuses a word that folds to nothing).
std::vector<const CatalogueEntry*> FindEntries(std::span<const std::string> folded_words);

}  // namespace dialnote
