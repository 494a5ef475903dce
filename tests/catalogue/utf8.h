// UTF-8 to UTF-16 for test literals: expected texts are written in the tests
// as ordinary UTF-8 strings, independently of the u"..." literals they check.
#pragma once

#include <string>
#include <string_view>

namespace dialnote::testing {

inline std::u16string Utf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t point = extra == 0   ? lead
                     : extra == 1 ? lead & 0x1Fu
                     : extra == 2 ? lead & 0x0Fu
                                  : lead & 0x07u;
    for (int k = 1; k <= extra; ++k) {
      point = (point << 6) |
              (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    }
    i += static_cast<std::size_t>(extra) + 1;
    if (point >= 0x10000) {
      point -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(point));
    }
  }
  return out;
}

}  // namespace dialnote::testing
