// SPDX-License-Identifier: GPL-3.0-or-later
// Small pure functions over Unicode text, for the command line: it takes UTF-8
// (from a terminal, a pipe or Windows' wide command line) while the catalogue
// holds UTF-16, and people paste digits of other scripts and the invisible
// marks of right-to-left text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dialnote::unicode {

inline constexpr char32_t kReplacement = 0xFFFD;

// The length of the well-formed UTF-8 sequence at the start of `text` (1 to
// 4) and its code point; 0 when the bytes there are no such sequence (a stray
// or missing continuation byte, an overlong form, a surrogate, or past
// U+10FFFF) or `text` is empty.
std::size_t DecodeUtf8(std::string_view text, char32_t& code_point);

// The same for the last code point of `text`.
std::size_t DecodeLastUtf8(std::string_view text, char32_t& code_point);

// Appends `code_point` in UTF-8; a surrogate or a value past U+10FFFF becomes
// U+FFFD.
void AppendUtf8(std::string& out, char32_t code_point);

// UTF-16 to UTF-8, appended; an unpaired surrogate becomes U+FFFD.
void AppendUtf8(std::string& out, std::u16string_view utf16);
std::string ToUtf8(std::u16string_view utf16);

// UTF-8 to UTF-16; each byte that starts no well-formed sequence becomes
// U+FFFD.
std::u16string ToUtf16(std::string_view utf8);

// 0 to 9 for the ASCII digits, the Persian digits (U+06F0-U+06F9, as a
// Persian keyboard types them) and the Arabic-Indic digits (U+0660-U+0669);
// -1 for anything else.
int DigitValue(char32_t code_point);

// The characters that text copied from a right-to-left page carries without
// showing them: the direction marks, embeddings, overrides and isolates, the
// Arabic letter mark, the zero-width space, non-joiner and joiner, and the
// byte-order mark.
bool IsInvisibleMark(char32_t code_point);

// What may stand around a code without changing it: ASCII spaces and tabs,
// the no-break spaces (U+00A0, U+202F) and the invisible marks.
bool IsPadding(char32_t code_point);

// `text` without the padding at either end; bytes that are not UTF-8 stay.
std::string_view TrimPadding(std::string_view text);

}  // namespace dialnote::unicode
