// The catalogue's content and its lookup: the quoted explanations code unit
// for code unit, the catalogue-wide figures, and the exactness of Lookup.
#include "catalogue/error_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/catalogue/utf8.h"
#include "tests/row_name.h"

namespace dialnote {
namespace {

using testing::PrintTo;

using testing::Utf16;

std::u16string CodeText(int code) {
  const std::string narrow = std::to_string(code);
  return {narrow.begin(), narrow.end()};
}

// ---------------------------------------------------------------------------
// The explanations quoted in the product's brief, stored with every oddity
// they carry (leading space, leading ". ", glued full stop, "x. 25").

struct QuotedRow {
  const char* code;
  std::size_t length;
  const char* explanation;
};

constexpr QuotedRow kQuotedRows[] = {
    {"600", 87,
     "اگر سيستم در حال شماره گيري باشد و دوباره شماره گيري نماييد اين خطا نمايش داده مي شود ."},
    {"610", 12, "بافر ندارد ."},
    {"645", 41, "Authentication داخلي اشكال پيدا كرده است."},
    {"673", 51, " نمي تواند كاربر را از روي فايل .INI رسانه بخواند ."},
    {"678", 18, ". پاسخي وجود ندارد"},
    {"702", 56, ". پاسخ دستگاه دريافت مي گردد زماني كه هيچكس انتظار ندارد"},
    {"707", 20, "علامت خطاياب . x. 25"},
    {"726", 83,
     "پروتكل IPX نمي تواند براي dial – out ، روي بيش از يك درگاه در يك زمان استفاده شود ."},
    {"731", 26, ". پروتكل پيكر بندي نمي شود"},
    {"737", 46, " نقطه برگشت ( LOOPBACK DETECTED ) شناسايي شد ."},
    {"739", 66, "سرور راه دور نمي تواند از پسورد ENCRYPTED ويندوز NT استفاده نمايد."},
    {"740", 92,
     " دستگاه هاي TAPI كه براي remote access پيكر بندي مي گردند به طور صحيح نصب و آماده نشده اند "
     "."},
    {"741", 49, " كامپيوتر محلي از encryption پشتيباني نمي نمايد ."},
    {"746", 1, "."},
    {"747", 1, "."},
    {"748", 1, "."},
    {"749", 1, "."},
    {"750", 1, "."},
    {"759", 1, "."},
    {"762", 1, "."},
    {"751", 134,
     "شماره callback شامل يك كاراكتر بي اعتبار مي باشد . كاراكترهاي زير فقط مجاز دانسته مي شوند : "
     "Space , T , P , W , (,) , - , @ . 0 تا 9 ."},
    {"767", 223,
     " اشتراك اتصال اينترنت ميسر نمي گردد اتصال LAN بر روي شبكه شخصي انتخاب مي گردد كه بيش از يك "
     "آدرس IP را پيكر بندي كرده است . اتصال LANرا با يك آدرسIP مجزا ، مجددا پيكر بندي نماييد قبل "
     "از اينكه اشتراك اتصال اينترنت صورت گيرد ."},
    {"784", 309,
     "در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين "
     "اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي "
     "باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) "
     "روي كارت smart آنرا پيكربندي كنيد ."},
    {"799", 259,
     "اشتراك اتصال اينترنت ميسر نمي گردد زيرا دو IP شبيه به هم در شبكه وجود دارد . IC ها به "
     "ميزباني نيازمند مي باشند كه براي استفاده از 192 ، 168 ، 0 ، 1 پيكر بندي شده است . مطمئن شويد "
     "كه هيچ سرويس گيرنده ديگري براي استفاده از 192 ، 168 ، 0 ، 1 پيكر بندي نشده است ."},
    {"800", 142,
     "قادر به ايجاد اتصال VPN نمي باشد . سرويس دهنده VPN در دسترس نمي باشد و يا ممكن است "
     "پارامترهاي امنيتي براي اتصال به درستي پيكربندي نشده باشند ."},
};

TEST(QuotedExplanations, AreStoredCodeUnitForCodeUnit) {
  for (const QuotedRow& row : kQuotedRows) {
    SCOPED_TRACE(row.code);
    const std::u16string expected = Utf16(row.explanation);
    ASSERT_EQ(expected.size(), row.length) << "the test's own literal is mistyped";
    const auto found = ErrorCatalogue::Lookup(Utf16(row.code));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, expected);
  }
}

// ---------------------------------------------------------------------------
// Keys: "600" to "800", every number once, in ascending order.

TEST(CatalogueKeys, RunFrom600To800WithoutGapInAscendingOrder) {
  const auto entries = ErrorCatalogue::Entries();
  ASSERT_EQ(entries.size(), std::size_t{ErrorCatalogue::kCount});
  for (int i = 0; i < ErrorCatalogue::kCount; ++i) {
    EXPECT_EQ(entries[static_cast<std::size_t>(i)].code, CodeText(ErrorCatalogue::kFirstCode + i));
  }
  EXPECT_EQ(ErrorCatalogue::kLastCode - ErrorCatalogue::kFirstCode + 1, ErrorCatalogue::kCount);
}

TEST(CatalogueKeys, EveryKeyFindsItsOwnEntry) {
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    const auto found = ErrorCatalogue::Lookup(entry.code);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->data(), entry.explanation.data()) << "the entry itself, not a copy";
    EXPECT_EQ(found->size(), entry.explanation.size());
  }
}

// ---------------------------------------------------------------------------
// The form of the explanations, as computed figures over the whole table.

// Code page 1256, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kCp1256High = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039,
    0x0152, 0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633,
    0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2};

bool InCodePage1256(char16_t c) {
  return c < 0x80 || std::find(kCp1256High.begin(), kCp1256High.end(), c) != kCp1256High.end();
}

bool IsLatinLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool IsArabicLetter(char16_t c) {
  return (c >= 0x0621 && c <= 0x063A) || (c >= 0x0641 && c <= 0x064A) || c == 0x067E ||
         c == 0x0686 || c == 0x0698 || c == 0x06AF;
}

// Letters, ASCII digits, the single space and the listed punctuation only.
bool IsAllowedCharacter(char16_t c) {
  static constexpr std::u16string_view kPunctuation = u" .,:-()@\u060C\u2013";
  return IsLatinLetter(c) || IsArabicLetter(c) || (c >= u'0' && c <= u'9') ||
         kPunctuation.find(c) != std::u16string_view::npos;
}

bool IsRegularForm(std::u16string_view text) {
  return text.size() > 2 && text.front() != u' ' && text.front() != u'.' && text.ends_with(u" .");
}

TEST(ExplanationForm, EveryCharacterIsAllowedAndInCodePage1256) {
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    for (std::size_t i = 0; i < entry.explanation.size(); ++i) {
      const char16_t c = entry.explanation[i];
      EXPECT_TRUE(IsAllowedCharacter(c) && InCodePage1256(c))
          << std::string(entry.code.begin(), entry.code.end()) << " holds U+" << std::hex
          << static_cast<int>(c) << " at " << std::dec << i;
    }
  }
}

TEST(ExplanationForm, IsOneLineWithSingleSpacesAndNeverItsOwnCode) {
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    SCOPED_TRACE(std::string(entry.code.begin(), entry.code.end()));
    EXPECT_FALSE(entry.explanation.empty());
    EXPECT_EQ(entry.explanation.find(u"  "), std::u16string_view::npos) << "double space";
    EXPECT_EQ(entry.explanation.find(entry.code), std::u16string_view::npos) << "its own code";
  }
}

TEST(ExplanationForm, UsesArabicYehAndKafAndEveryPersianLetter) {
  std::set<char16_t> seen;
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    seen.insert(entry.explanation.begin(), entry.explanation.end());
  }
  for (const char16_t absent : {u'\u06CC', u'\u06A9', u'\u200C', u'\u00A0'}) {
    EXPECT_FALSE(seen.contains(absent)) << std::hex << static_cast<int>(absent);
  }
  for (const char16_t present : {u'\u064A', u'\u0643', u'\u067E', u'\u0686', u'\u0698', u'\u06AF',
                                 u'\u0622', u'\u0623', u'\u0626'}) {
    EXPECT_TRUE(seen.contains(present)) << std::hex << static_cast<int>(present);
  }
}

TEST(ExplanationForm, KeepsTheNamedLatinTermsInLatinScript) {
  for (const char16_t* term : {u"Port", u"INI", u"INF", u"IP", u"L2TP", u"PPP", u"LAN", u"IPX",
                               u"smartcard", u"encryption", u"NetBIOS", u"RADIUS", u"VPN"}) {
    const auto entries = ErrorCatalogue::Entries();
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [term](const CatalogueEntry& e) {
      return e.explanation.find(term) != std::u16string_view::npos;
    })) << std::string(term, term + std::char_traits<char16_t>::length(term));
  }
}

// The odd forms, by code; every other explanation is in the regular form.
TEST(ExplanationForm, OnlyTheKnownEighteenLeaveTheRegularForm) {
  const std::map<std::u16string, bool (*)(std::u16string_view)> kOddForms = {
      {u"673",
       [](std::u16string_view t) { return t.starts_with(u" ") && IsRegularForm(t.substr(1)); }},
      {u"737",
       [](std::u16string_view t) { return t.starts_with(u" ") && IsRegularForm(t.substr(1)); }},
      {u"740",
       [](std::u16string_view t) { return t.starts_with(u" ") && IsRegularForm(t.substr(1)); }},
      {u"741",
       [](std::u16string_view t) { return t.starts_with(u" ") && IsRegularForm(t.substr(1)); }},
      {u"767",
       [](std::u16string_view t) { return t.starts_with(u" ") && IsRegularForm(t.substr(1)); }},
      {u"678", [](std::u16string_view t) { return t.starts_with(u". ") && !t.ends_with(u"."); }},
      {u"702", [](std::u16string_view t) { return t.starts_with(u". ") && !t.ends_with(u"."); }},
      {u"731", [](std::u16string_view t) { return t.starts_with(u". ") && !t.ends_with(u"."); }},
      {u"645", [](std::u16string_view t) { return t.ends_with(u".") && !t.ends_with(u" ."); }},
      {u"739", [](std::u16string_view t) { return t.ends_with(u".") && !t.ends_with(u" ."); }},
      {u"707", [](std::u16string_view t) { return t.ends_with(u"x. 25"); }},
  };
  const std::set<std::u16string> kFullStopOnly = {u"746", u"747", u"748", u"749",
                                                  u"750", u"759", u"762"};
  int regular = 0;
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    const std::u16string code(entry.code);
    SCOPED_TRACE(std::string(code.begin(), code.end()));
    if (kFullStopOnly.contains(code)) {
      EXPECT_EQ(entry.explanation, u".");
    } else if (const auto odd = kOddForms.find(code); odd != kOddForms.end()) {
      EXPECT_TRUE(odd->second(entry.explanation));
      EXPECT_FALSE(IsRegularForm(entry.explanation));
    } else {
      EXPECT_TRUE(IsRegularForm(entry.explanation));
    }
    regular += IsRegularForm(entry.explanation) ? 1 : 0;
  }
  EXPECT_EQ(regular, 183);
}

// The figures that describe the catalogue as a whole, printed for the record.
TEST(CatalogueFigures, MatchTheCatalogueDescription) {
  const auto entries = ErrorCatalogue::Entries();
  std::map<std::u16string_view, std::vector<std::u16string_view>> codes_by_text;
  std::vector<std::size_t> lengths;
  int with_latin = 0;
  for (const CatalogueEntry& entry : entries) {
    codes_by_text[entry.explanation].push_back(entry.code);
    lengths.push_back(entry.explanation.size());
    with_latin += std::any_of(entry.explanation.begin(), entry.explanation.end(), IsLatinLetter);
  }
  std::u16string_view shortest_code, longest_code;
  std::size_t shortest = SIZE_MAX, longest = 0;
  int shortest_count = 0, longest_count = 0;
  for (const CatalogueEntry& entry : entries) {
    const std::size_t n = entry.explanation.size();
    if (entry.explanation == u".") continue;
    if (n < shortest) shortest = n, shortest_code = entry.code, shortest_count = 0;
    if (n == shortest) ++shortest_count;
    if (n > longest) longest = n, longest_code = entry.code, longest_count = 0;
    if (n == longest) ++longest_count;
  }
  std::sort(lengths.begin(), lengths.end());
  const std::size_t median = lengths[lengths.size() / 2];

  std::cout << "catalogue: " << entries.size() << " entries, " << codes_by_text.size()
            << " distinct texts, shortest " << shortest << " (code "
            << std::string(shortest_code.begin(), shortest_code.end()) << "), longest " << longest
            << " (code " << std::string(longest_code.begin(), longest_code.end()) << "), median "
            << median << ", " << with_latin << " with Latin letters\n";

  EXPECT_EQ(codes_by_text.size(), 195u);
  const std::vector<std::u16string_view> kSharedFullStop = {u"746", u"747", u"748", u"749",
                                                            u"750", u"759", u"762"};
  for (const auto& [text, codes] : codes_by_text) {
    EXPECT_EQ(codes.size() > 1, text == u".") << "a text shared by several codes";
  }
  EXPECT_EQ(codes_by_text[u"."], kSharedFullStop);
  EXPECT_EQ(shortest, 12u);
  EXPECT_EQ(shortest_code, u"610");
  EXPECT_EQ(shortest_count, 1);
  EXPECT_EQ(longest, 309u);
  EXPECT_EQ(longest_code, u"784");
  EXPECT_EQ(longest_count, 1);
  EXPECT_EQ(median, 47u);
  EXPECT_EQ(with_latin, 118);
}

// ---------------------------------------------------------------------------
// Lookup answers for exactly the 201 keys, and for nothing else.

struct LookupMiss {
  const char* name;
  std::u16string code;
};

class LookupMisses : public ::testing::TestWithParam<LookupMiss> {};

TEST_P(LookupMisses, FindNoEntry) {
  EXPECT_FALSE(ErrorCatalogue::Lookup(GetParam().code).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    NotAKey, LookupMisses,
    ::testing::Values(
        LookupMiss{"JustBelowTheRange", u"599"}, LookupMiss{"JustAboveTheRange", u"801"},
        LookupMiss{"Empty", u""}, LookupMiss{"LeadingSpace", u" 600"},
        LookupMiss{"TrailingSpace", u"600 "}, LookupMiss{"LeadingZero", u"0600"},
        LookupMiss{"ExtraDigit", u"6000"}, LookupMiss{"TwoDigits", u"60"},
        LookupMiss{"OneDigit", u"8"}, LookupMiss{"PersianDigits", u"\u06F6\u06F0\u06F0"},
        LookupMiss{"ArabicIndicDigits", u"\u0666\u0660\u0660"},
        LookupMiss{"FullWidthDigits", u"\uFF16\uFF10\uFF10"},
        LookupMiss{"OneFullWidthDigit", u"60\uFF10"}, LookupMiss{"Signed", u"+700"},
        LookupMiss{"Negative", u"-700"}, LookupMiss{"Decimal", u"700.0"},
        LookupMiss{"Hexadecimal", u"2BC"}, LookupMiss{"EmbeddedNull", std::u16string(u"70\0", 3)},
        LookupMiss{"TrailingNull", std::u16string(u"600\0", 4)},
        LookupMiss{"RightToLeftMark", u"\u200F700"}, LookupMiss{"ThreeDigitsBelow", u"000"},
        LookupMiss{"ThreeDigitsAbove", u"999"}),
    testing::RowName<LookupMiss>);

TEST(LookupHits, AnswerTheEndsOfTheRangeAndTheSharedFullStop) {
  const auto& entries = ErrorCatalogue::Entries();
  EXPECT_EQ(ErrorCatalogue::Lookup(u"600"), entries.front().explanation);
  EXPECT_EQ(ErrorCatalogue::Lookup(u"800"), entries.back().explanation);
  EXPECT_EQ(ErrorCatalogue::Lookup(u"746"), std::u16string_view(u"."));
}

TEST(LookupHits, KeepTheStoredOddities) {
  EXPECT_TRUE(ErrorCatalogue::Lookup(u"673")->starts_with(u" "));
  EXPECT_TRUE(ErrorCatalogue::Lookup(u"678")->starts_with(u". "));
  EXPECT_TRUE(ErrorCatalogue::Lookup(u"645")->ends_with(u"\u062A."));
}

// Every text of up to three code units drawn from the digits and a few
// look-alikes: exactly the 201 keys are found.
TEST(LookupHits, ExactlyTheKeysAmongAllShortTextsOfDigitLikeUnits) {
  const std::u16string_view kAlphabet = u"0123456789 \u06F0\u0660\uFF10+-.";
  int hits = 0;
  std::u16string text;
  const auto visit = [&](const std::u16string& t) {
    if (ErrorCatalogue::Lookup(t)) ++hits;
  };
  visit(text);
  for (char16_t a : kAlphabet) {
    visit(std::u16string{a});
    for (char16_t b : kAlphabet) {
      visit(std::u16string{a, b});
      for (char16_t c : kAlphabet) visit(std::u16string{a, b, c});
    }
  }
  EXPECT_EQ(hits, ErrorCatalogue::kCount);
}

}  // namespace
}  // namespace dialnote
