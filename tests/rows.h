// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a case table in tests/data (tests/README.md says how they are
// written). A table that cannot be read, or holds no rows, ends the program.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace dialnote::testing {

inline std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = i + 1 < text.size() && text[i] == '\\' ? text[++i] : 0;
    if (c == 0) {
      out += text[i];
    } else if (c == 'x' || c == 'u') {
      const std::size_t digits = c == 'x' ? 2 : 4;
      const auto value =
          static_cast<char32_t>(std::stoul(std::string(text.substr(i + 1, digits)), nullptr, 16));
      i += digits;
      if (c == 'x') out += static_cast<char>(value);
      if (c == 'u' && value < 0x800) {
        out += {char(value < 0x80 ? value : 0xC0 | value >> 6), char(0x80 | (value & 0x3F))};
        out.resize(out.size() - (value < 0x80));
      } else if (c == 'u') {
        out += {char(0xE0 | value >> 12), char(0x80 | (value >> 6 & 0x3F)),
                char(0x80 | (value & 0x3F))};
      }
    } else {
      const std::string_view from = "tnrb", to = "\t\n\r\b";
      out += from.find(c) == from.npos ? c : to[from.find(c)];
    }
  }
  return out;
}

using Row = std::vector<std::string>;

inline std::vector<Row> Rows(const std::string& table) {
  const std::string path = DIALNOTE_TEST_DATA + table;
  std::ifstream file(path);
  std::vector<Row> rows;
  std::string line;
  std::getline(file, line);  // the heading
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    Row& row = rows.emplace_back();
    for (std::size_t start = 0, tab = 0; tab != line.npos; start = tab + 1) {
      tab = line.find('\t', start);
      row.push_back(Unescaped(line.substr(start, tab - start)));
    }
  }
  if (rows.empty()) {
    std::fprintf(stderr, "no rows in %s\n", path.c_str());
    std::abort();
  }
  return rows;
}

}  // namespace dialnote::testing
