// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/unicode_text.h"

namespace dialnote::unicode {
namespace {

constexpr bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
constexpr bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t DecodeUtf8(std::string_view text, char32_t& code_point) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t minimum = 0;
  char32_t value = 0;
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, value = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, value = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, value = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || IsSurrogate(value)) return 0;
  code_point = value;
  return length;
}

std::size_t DecodeLastUtf8(std::string_view text, char32_t& code_point) {
  // A sequence is at most four bytes: a lead and up to three continuations.
  std::size_t start = text.size();
  while (start > 0 && text.size() - start < 4) {
    --start;
    if (!IsContinuation(static_cast<unsigned char>(text[start]))) break;
  }
  if (start == text.size()) return 0;
  const std::size_t length = DecodeUtf8(text.substr(start), code_point);
  return length == text.size() - start ? length : 0;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (IsSurrogate(c) || c > 0x10FFFF) c = kReplacement;
  const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

void AppendUtf8(std::string& out, std::u16string_view utf16) {
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00u);
      ++i;
    }
    AppendUtf8(out, c);  // a surrogate left unpaired becomes U+FFFD there
  }
}

std::string ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  AppendUtf8(out, utf16);
  return out;
}

std::u16string ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    char32_t c = kReplacement;
    std::size_t length = DecodeUtf8(utf8, c);
    if (length == 0) {
      c = kReplacement;
      length = 1;
    }
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    utf8.remove_prefix(length);
  }
  return out;
}

int DigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= 0x06F0 && c <= 0x06F9) return static_cast<int>(c - 0x06F0);
  if (c >= 0x0660 && c <= 0x0669) return static_cast<int>(c - 0x0660);
  return -1;
}

bool IsInvisibleMark(char32_t c) {
  return (c >= 0x200B && c <= 0x200F) || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

bool IsPadding(char32_t c) {
  return c == U' ' || c == U'\t' || c == 0x00A0 || c == 0x202F || IsInvisibleMark(c);
}

std::string_view TrimPadding(std::string_view text) {
  char32_t c = 0;
  for (std::size_t length = 0; (length = DecodeUtf8(text, c)) != 0 && IsPadding(c);) {
    text.remove_prefix(length);
  }
  for (std::size_t length = 0; (length = DecodeLastUtf8(text, c)) != 0 && IsPadding(c);) {
    text.remove_suffix(length);
  }
  return text;
}

}  // namespace dialnote::unicode
