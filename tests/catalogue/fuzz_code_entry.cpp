// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target over the code entry's event language (fake_controls.h): any bytes
// are user events, after each of which the entry's invariants must hold. A
// libFuzzer target with clang; every build replays the committed corpus.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/catalogue/fake_controls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const std::string broken = dialnote::testing::RunEntryEvents({data, size}); !broken.empty()) {
    std::fprintf(stderr, "code entry invariant broken: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
