// Fuzz target over the code entry's event language: any byte string is read
// as a sequence of user events, and the entry's invariants must hold after
// each. Built as a libFuzzer target with clang; every build replays the
// committed corpus through the same entry point.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/catalogue/entry_events.h"

namespace {

using dialnote::testing::EntryEvent;
using dialnote::testing::EntryHarness;
using dialnote::testing::EventKind;

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  [[nodiscard]] bool done() const { return position_ >= size_; }
  std::uint8_t Byte() { return done() ? 0 : data_[position_++]; }
  char16_t Unit() { return static_cast<char16_t>(Byte() | Byte() << 8); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

EntryEvent ReadEvent(ByteReader& reader) {
  EntryEvent event;
  event.kind = static_cast<EventKind>(reader.Byte() % dialnote::testing::kEventKinds);
  switch (event.kind) {
    case EventKind::kType:
      event.units.push_back(reader.Unit());
      break;
    case EventKind::kPaste:
      for (int count = reader.Byte() % 11; count > 0; --count) event.units.push_back(reader.Unit());
      break;
    case EventKind::kPick:
      event.index = reader.Byte();
      break;
    default:
      break;
  }
  return event;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteReader reader(data, size);
  EntryHarness window;
  while (!reader.done()) {
    dialnote::testing::Apply(window, ReadEvent(reader));
    if (const std::string broken = dialnote::testing::BrokenInvariant(window); !broken.empty()) {
      std::fprintf(stderr, "code entry invariant broken: %s\n", broken.c_str());
      std::abort();
    }
  }
  return 0;
}
