// Random event sequences on the code entry: whatever the user types, pastes,
// steps or picks, the entry stays short, normalised and in step with the list.
#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <random>

#include "tests/catalogue/entry_events.h"

namespace dialnote::testing {
namespace {

constexpr int kSequences = 100'000;
constexpr std::uint32_t kSeed = 20261206;

// Mostly digits, so that sequences reach the codes, with the code units that
// only pasting or other keyboards bring.
char16_t RandomUnit(std::mt19937& random) {
  static constexpr std::array<char16_t, 12> kSpecial = {u'\b',
                                                        u'\r',
                                                        u' ',
                                                        u'-',
                                                        u'\u06F8',
                                                        u'\u0668',
                                                        u'\uFF18',
                                                        u'\u200F',
                                                        char16_t{0xD83D},
                                                        char16_t{0xDE00},
                                                        u'\uFFFF',
                                                        u'\0'};
  switch (std::uniform_int_distribution<int>(0, 3)(random)) {
    case 0:
    case 1:
      return static_cast<char16_t>(u'0' + std::uniform_int_distribution<int>(0, 9)(random));
    case 2:
      return kSpecial[std::uniform_int_distribution<std::size_t>(0, kSpecial.size() - 1)(random)];
    default:
      return static_cast<char16_t>(std::uniform_int_distribution<int>(0, 0xFFFF)(random));
  }
}

EntryEvent RandomEvent(std::mt19937& random) {
  EntryEvent event;
  event.kind =
      static_cast<EventKind>(std::uniform_int_distribution<int>(0, kEventKinds - 1)(random));
  const int units =
      event.kind == EventKind::kPaste ? std::uniform_int_distribution<int>(0, 10)(random) : 1;
  for (int i = 0; i < units; ++i) event.units.push_back(RandomUnit(random));
  event.index = std::uniform_int_distribution<std::size_t>(0, 200)(random);
  return event;
}

TEST(CodeEntryProperties, HoldAfterEveryEventOfRandomSequences) {
  std::mt19937 random(kSeed);
  long events = 0;
  for (int sequence = 0; sequence < kSequences; ++sequence) {
    EntryHarness window;
    const int length = std::uniform_int_distribution<int>(1, 12)(random);
    for (int i = 0; i < length; ++i) {
      Apply(window, RandomEvent(random));
      ++events;
      const std::string broken = BrokenInvariant(window);
      ASSERT_TRUE(broken.empty()) << broken << " (sequence " << sequence << ", event " << i << ")";
    }
  }
  std::cout << "code entry properties held over " << kSequences << " random sequences (" << events
            << " events, seed " << kSeed << ")\n";
}

}  // namespace
}  // namespace dialnote::testing
