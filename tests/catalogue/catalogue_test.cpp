// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's content, form and figures, the exactness of Lookup, the code
// forms that ReadCode knows, and the symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"
#include "tests/catalogue/fake_controls.h"
#include "tests/row_name.h"

namespace dialnote::testing {
namespace {

using namespace std::literals;
using testing::PrintTo;

// Explanations quoted word for word, with every oddity they carry (leading
// space, leading ". ", glued full stop, "x. 25"); the seven quoted "." are the
// full-stop figure below.
struct Row {
  std::u16string_view code;
  std::size_t length;
  std::u16string_view text;
};

constexpr Row kQuoted[] = {
    {u"600", 87,
     u"اگر سيستم در حال شماره گيري باشد و دوباره شماره گيري نماييد اين خطا نمايش داده مي شود ."},
    {u"610", 12, u"بافر ندارد ."},
    {u"645", 41, u"Authentication داخلي اشكال پيدا كرده است."},
    {u"673", 51, u" نمي تواند كاربر را از روي فايل .INI رسانه بخواند ."},
    {u"678", 18, u". پاسخي وجود ندارد"},
    {u"702", 56, u". پاسخ دستگاه دريافت مي گردد زماني كه هيچكس انتظار ندارد"},
    {u"707", 20, u"علامت خطاياب . x. 25"},
    {u"726", 83,
     u"پروتكل IPX نمي تواند براي dial – out ، روي بيش از يك درگاه در يك زمان استفاده شود ."},
    {u"731", 26, u". پروتكل پيكر بندي نمي شود"},
    {u"737", 46, u" نقطه برگشت ( LOOPBACK DETECTED ) شناسايي شد ."},
    {u"739", 66, u"سرور راه دور نمي تواند از پسورد ENCRYPTED ويندوز NT استفاده نمايد."},
    {u"740", 92,
     u" دستگاه هاي TAPI كه براي remote access پيكر بندي مي گردند به طور صحيح نصب و آماده نشده اند "
     u"."},
    {u"741", 49, u" كامپيوتر محلي از encryption پشتيباني نمي نمايد ."},
    {u"751", 134,
     u"شماره callback شامل يك كاراكتر بي اعتبار مي باشد . كاراكترهاي زير فقط مجاز دانسته مي شوند : "
     u"Space , T , P , W , (,) , - , @ . 0 تا 9 ."},
    {u"767", 223,
     u" اشتراك اتصال اينترنت ميسر نمي گردد اتصال LAN بر روي شبكه شخصي انتخاب مي گردد كه بيش از يك "
     u"آدرس IP را پيكر بندي كرده است . اتصال LANرا با يك آدرسIP مجزا ، مجددا پيكر بندي نماييد قبل "
     u"از اينكه اشتراك اتصال اينترنت صورت گيرد ."},
    {u"784", 309,
     u"در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين "
     u"اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي "
     u"باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) "
     u"روي كارت smart آنرا پيكربندي كنيد ."},
    {u"799", 259,
     u"اشتراك اتصال اينترنت ميسر نمي گردد زيرا دو IP شبيه به هم در شبكه وجود دارد . IC ها به "
     u"ميزباني نيازمند مي باشند كه براي استفاده از 192 ، 168 ، 0 ، 1 پيكر بندي شده است . مطمئن "
     u"شويد "
     u"كه هيچ سرويس گيرنده ديگري براي استفاده از 192 ، 168 ، 0 ، 1 پيكر بندي نشده است ."},
    {u"800", 142,
     u"قادر به ايجاد اتصال VPN نمي باشد . سرويس دهنده VPN در دسترس نمي باشد و يا ممكن است "
     u"پارامترهاي امنيتي براي اتصال به درستي پيكربندي نشده باشند ."}};

TEST(QuotedExplanations, AreStoredCodeUnitForCodeUnit) {
  for (const Row& row : kQuoted) {
    SCOPED_TRACE(Narrow(row.code));
    EXPECT_EQ(row.text.size(), row.length) << "the test's own literal is mistyped";
    EXPECT_EQ(ErrorCatalogue::Lookup(row.code), row.text);
  }
}

// The codes 600 to 800 in order. Any change to any entry's code, text or symbol
// changes the fingerprint; when it is meant (a reworded explanation), review it
// and put the new value here.
TEST(Catalogue, HoldsTheCodes600To800InOrderAndMatchesItsFingerprint) {
  ASSERT_EQ(ErrorCatalogue::Entries().size(), 201u);
  std::uint64_t hash = 14695981039346656037u;  // FNV-1a, 64 bits
  int code = 600;
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    EXPECT_EQ(Narrow(entry.code), std::to_string(code++));
    for (const char16_t unit :
         std::u16string(entry.code) + u'|' + std::u16string(entry.explanation) + u'|' +
             std::u16string(entry.symbol.begin(), entry.symbol.end()) + u'|') {
      hash = (hash ^ unit) * 1099511628211u;
    }
  }
  EXPECT_EQ(hash, 0x55b745f4cd316aaau)
      << std::hex << "the catalogue's fingerprint is now 0x" << hash;
}

constexpr bool IsLatin(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// Arabic (with the Persian four) and Latin letters, ASCII digits and the listed
// punctuation, all in code page 1256; not Persian yeh and kaf, ZWNJ, no-break
// space nor the control characters.
constexpr bool IsAllowed(char16_t c) {
  return IsLatin(c) || (c >= u'0' && c <= u'9') || (c >= 0x0621 && c <= 0x063A) ||
         (c >= 0x0641 && c <= 0x064A) ||
         u" .,:-()@\u060C\u2013\u067E\u0686\u0698\u06AF"sv.find(c) != std::u16string_view::npos;
}
static_assert(!IsAllowed(u'\u06CC') && !IsAllowed(u'\u06A9') && !IsAllowed(u'\u200C') &&
              !IsAllowed(u'\u00A0') && !IsAllowed(u'\t') && !IsAllowed(u'\n') && !IsAllowed(0));

TEST(ExplanationForm, AllowedCharactersSingleSpacesAndNeverTheTextsOwnCode) {
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    SCOPED_TRACE(Narrow(entry.code));
    for (const char16_t c : entry.explanation) {
      EXPECT_TRUE(IsAllowed(c)) << std::hex << "U+" << static_cast<int>(c);
    }
    EXPECT_EQ(entry.explanation.find(u"  "), std::u16string_view::npos) << "double space";
    EXPECT_EQ(entry.explanation.find(entry.code), std::u16string_view::npos) << "its own code";
  }
}

using Codes = std::vector<std::u16string_view>;

TEST(CatalogueFigures, MatchTheCatalogueDescription) {
  std::set<std::u16string_view> texts;
  Codes full_stop, irregular;
  std::map<std::size_t, Codes> by_length;  // of every text but "."
  std::vector<std::size_t> lengths;
  int latin = 0;
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    const std::u16string_view text = entry.explanation;
    texts.insert(text);
    lengths.push_back(text.size());
    latin += std::any_of(text.begin(), text.end(), IsLatin) ? 1 : 0;
    (text == u"." ? full_stop : by_length[text.size()]).push_back(entry.code);
    // The regular form: no leading space or full stop, and a final " ."
    if (text != u"." && (text[0] == u' ' || text[0] == u'.' || !text.ends_with(u" ."))) {
      irregular.push_back(entry.code);
    }
  }
  std::sort(lengths.begin(), lengths.end());
  EXPECT_EQ(texts.size(), 195u);
  EXPECT_EQ(full_stop, (Codes{u"746", u"747", u"748", u"749", u"750", u"759", u"762"}));
  EXPECT_EQ(irregular, (Codes{u"645", u"673", u"678", u"702", u"707", u"731", u"737", u"739",
                              u"740", u"741", u"767"}));  // the other 183 are regular
  EXPECT_EQ(by_length.begin()->first, 12u);
  EXPECT_EQ(by_length.begin()->second, Codes{u"610"}) << "the shortest";
  EXPECT_EQ(by_length.rbegin()->first, 309u);
  EXPECT_EQ(by_length.rbegin()->second, Codes{u"784"}) << "the longest";
  EXPECT_EQ(lengths[lengths.size() / 2], 47u) << "the median";
  EXPECT_EQ(latin, 118);
}

// Of all texts of up to four digits and look-alikes, exactly the 201 keys are
// found: not "", "60", "0600", "6000", " 600", "600 ", "600\0", "+700", "60B",
// "\u06F6\u06F0\u06F0", "\u200F700", "599" nor "801".
TEST(Lookup, FindsExactlyTheKeysAmongAllShortTextsOfDigitsAndLookAlikes) {
  constexpr std::u16string_view kUnits = u"0123456789 +-.B\0\u200F\u06F6\u0666\uFF10"sv;
  std::vector<std::u16string> texts = {u""};
  int found = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    found += ErrorCatalogue::Lookup(texts[i]) ? 1 : 0;
    for (const char16_t unit : texts[i].size() < 4 ? kUnits : u""sv) {
      texts.push_back(texts[i] + unit);
    }
  }
  EXPECT_EQ(found, 201);
}

}  // namespace
}  // namespace dialnote::testing
