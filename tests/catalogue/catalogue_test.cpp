// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue against its reviewed copy: every code from 600 to 878 with its
// own explanation, the windows' lookup finding 600 to 800 alone, nothing else.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/error_catalogue.h"
#include "catalogue/unicode_text.h"
#include "tests/rows.h"

namespace dialnote::testing {
namespace {

using namespace std::literals;

// tests/data/explanations.tsv was written once from the catalogue after a review of every
// text against its code's meaning; a reworded explanation is changed there too, on purpose.
TEST(Catalogue, AnswersEveryCodeFrom600To878WithItsOwnReviewedExplanation) {
  const std::vector<Row> rows = Rows("explanations.tsv");
  ASSERT_EQ(rows.size(), 279u);
  ASSERT_EQ(ErrorCatalogue::CommandEntries().size(), 279u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int code = 600 + int(i);
    ASSERT_EQ(rows[i].at(0), std::to_string(code)) << "the reviewed copy is out of order";
    const std::u16string key = unicode::ToUtf16(rows[i][0]), text = unicode::ToUtf16(rows[i].at(1));
    EXPECT_EQ(ErrorCatalogue::Lookup(key),
              code <= 800 ? std::optional<std::u16string_view>(text) : std::nullopt)
        << code;
    EXPECT_EQ(ErrorCatalogue::CommandEntries()[i].code, key);
    EXPECT_EQ(ErrorCatalogue::CommandEntries()[i].explanation, text) << code;
  }
  EXPECT_EQ(ErrorCatalogue::WindowsEntries().data(), ErrorCatalogue::CommandEntries().data());
  EXPECT_EQ(ErrorCatalogue::WindowsEntries().size(), 201u);
}

// Every text of up to four units from digits and their look-alikes finds nothing but the
// codes: among them "", "6000", "0600", " 600", "600\0", "599", "801", "7/0" and "5:0" (690
// and 600 by digit value alone), and 600 in Arabic-Indic, Persian and full-width digits.
TEST(Lookup, FindsNothingButTheCodesAmongAllShortTextsOfDigitsAndLookAlikes) {
  constexpr std::u16string_view kUnits =
      u"0123456789/: -\0\u200F\u0660\u0666\u06F0\u06F6\uFF10\uFF16"sv;
  std::set<std::u16string> codes;
  for (int code = 600; code <= 800; ++code) codes.insert(unicode::ToUtf16(std::to_string(code)));
  std::u16string text;
  std::vector<std::u16string> wrong;
  const auto visit = [&](const auto& self) -> void {
    if (ErrorCatalogue::Lookup(text) && !codes.contains(text) && wrong.size() < 10) {
      wrong.push_back(text);
    }
    for (const char16_t unit : text.size() < 4 ? kUnits : u""sv) {
      text.push_back(unit);
      self(self);
      text.pop_back();
    }
  };
  visit(visit);
  EXPECT_EQ(wrong, std::vector<std::u16string>{}) << "found, though no code";
}

}  // namespace
}  // namespace dialnote::testing
