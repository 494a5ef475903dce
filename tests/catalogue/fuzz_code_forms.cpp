// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the reader of code forms: any bytes are an argument. The reader names a code
// of the command's span or nothing, and what it names changes neither with padding around the
// text nor with the case of its ASCII letters. Which texts name which code is the tables' part
// (code-forms.tsv); reading out of bounds or overflowing, the sanitizers'.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using dialnote::ErrorCatalogue;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto code = dialnote::ReadCode(text);
  if (code && (*code < ErrorCatalogue::kFirstCode || *code > ErrorCatalogue::kCommandLastCode)) {
    std::abort();
  }
  if (dialnote::ReadCode(" \t" + text + "\u200F\u00A0") != code) std::abort();
  std::string other_case = text;
  for (char& c : other_case) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = static_cast<char>(c ^ 0x20);
  }
  if (dialnote::ReadCode(other_case) != code) std::abort();
  return 0;
}
