// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_search.h"

#include "catalogue/unicode_text.h"

namespace dialnote {
namespace {

constexpr char32_t kYeh = 0x06CC;    // Persian yeh
constexpr char32_t kKeheh = 0x06A9;  // Persian kaf
constexpr char32_t kTatweel = 0x0640;

bool IsDropped(char32_t c) {
  return c == kTatweel || (c >= 0x064B && c <= 0x065F) || c == 0x0670 || unicode::IsPadding(c) ||
         c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || (c >= 0x2000 && c <= 0x200A) ||
         c == 0x3000;
}

char32_t Folded(char32_t c) {
  if (c == 0x064A || c == 0x0649) return kYeh;
  if (c == 0x0643) return kKeheh;
  if (c >= U'A' && c <= U'Z') return c - U'A' + U'a';
  if (const int digit = unicode::DigitValue(c); digit >= 0) {
    return U'0' + static_cast<char32_t>(digit);
  }
  return c;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  while (!utf8.empty()) {
    char32_t c = 0;
    const std::size_t length = unicode::DecodeUtf8(utf8, c);
    if (length == 0) {
      folded += utf8.front();
      utf8.remove_prefix(1);
      continue;
    }
    utf8.remove_prefix(length);
    if (!IsDropped(c)) unicode::AppendUtf8(folded, Folded(c));
  }
  return folded;
}

std::vector<const CatalogueEntry*> FindEntries(std::span<const std::string> folded_words) {
  std::vector<const CatalogueEntry*> found;
  std::string explanation;
  for (const CatalogueEntry& entry : ErrorCatalogue::CommandEntries()) {
    explanation.clear();
    unicode::AppendUtf8(explanation, entry.explanation);
    const std::string folded_explanation = FoldForSearch(explanation);
    const std::string folded_symbol = FoldForSearch(entry.symbol);
    bool all = true;
    for (const std::string& word : folded_words) {
      if (folded_explanation.find(word) == std::string::npos &&
          folded_symbol.find(word) == std::string::npos) {
        all = false;
        break;
      }
    }
    if (all) found.push_back(&entry);
  }
  return found;
}

}  // namespace dialnote
