// Thousands of damaged copies of the demo show: each loads or is refused as a damaged file;
// none crashes, hangs or throws anything else. What loads writes a show that loads again.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/temp_dir.h"

namespace px {
namespace {

using Buffer = std::vector<std::uint8_t>;

// Damage of the kinds a disk, a transfer or a hand edit does.
class Mutator {
 public:
  explicit Mutator(std::uint32_t seed) : rng_(seed) {}

  Buffer Mutate(Buffer b) {
    const int edits = 1 + static_cast<int>(Below(4));
    for (int e = 0; e < edits && !b.empty(); ++e) {
      const size_t at = Below(b.size());
      switch (Below(6)) {
        case 0:  // a flipped bit
          b[at] ^= static_cast<std::uint8_t>(1u << Below(8));
          break;
        case 1:  // a random byte
          b[at] = static_cast<std::uint8_t>(Below(256));
          break;
        case 2: {  // a WORD with a value the archive treats specially
          static constexpr std::uint16_t kWords[] = {0x0000, 0x0001, 0x7FFE, 0x7FFF, 0x8000,
                                                     0x8001, 0xFFFE, 0xFFFF, 0x00FF, 0x0100};
          const std::uint16_t w = kWords[Below(std::size(kWords))];
          b[at] = static_cast<std::uint8_t>(w);
          if (at + 1 < b.size()) b[at + 1] = static_cast<std::uint8_t>(w >> 8);
          break;
        }
        case 3:  // bytes lost
          b.erase(b.begin() + static_cast<std::ptrdiff_t>(at),
                  b.begin() + static_cast<std::ptrdiff_t>(std::min(b.size(), at + 1 + Below(16))));
          break;
        case 4:  // bytes gained
          b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), 1 + Below(16), static_cast<std::uint8_t>(Below(256)));
          break;
        default: {  // a stretch copied from elsewhere in the file
          const size_t from = Below(b.size());
          const size_t n = std::min({b.size() - from, b.size() - at, size_t{1} + Below(64)});
          std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(from), n, b.begin() + static_cast<std::ptrdiff_t>(at));
          break;
        }
      }
    }
    return b;
  }
  Buffer Truncate(Buffer b) {
    b.resize(Below(b.size()));
    return b;
  }

 private:
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(rng_() % n); }
  std::mt19937 rng_;
};

enum class Outcome { Loaded, Refused };

Outcome LoadOrRefuse(const Buffer& bytes, Buffer* rewritten) {
  CPxDoc doc;
  try {
    LoadShowFromBytes(bytes, doc);
  } catch (const ArchiveFormatError&) {
    return Outcome::Refused;
  }
  *rewritten = SaveShowToBytes(doc);
  return Outcome::Loaded;
}

TEST(Mutation, DamagedDemoCopiesLoadOrAreRefused) {
  const auto raw = test::ReadAll(PYXARO_SOURCE_DIR "/examples/demo.sho");
  const Buffer demo(raw.begin(), raw.end());
  ASSERT_GT(demo.size(), 1000u);
  Mutator mutator(20240611);
  int loaded = 0, refused = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 12000; ++i) {
    const Buffer damaged = i % 5 == 4 ? mutator.Truncate(demo) : mutator.Mutate(demo);
    Buffer rewritten;
    if (LoadOrRefuse(damaged, &rewritten) == Outcome::Refused) {
      ++refused;
      continue;
    }
    ++loaded;
    // Whatever loads is a show again: written, it loads (bytes after the last field are not
    // kept but count toward the room a file may reserve, so a shorter rewrite may be
    // refused), and after one rewrite it writes what it reads.
    Buffer twice, thrice;
    if (LoadOrRefuse(rewritten, &twice) == Outcome::Refused) {
      ASSERT_LT(rewritten.size(), damaged.size()) << "case " << i;
      continue;
    }
    ASSERT_EQ(LoadOrRefuse(twice, &thrice), Outcome::Loaded) << "case " << i;
    ASSERT_TRUE(thrice == twice) << "case " << i;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // Both outcomes occur, so the damage reaches both the fields and the records.
  EXPECT_GT(loaded, 100);
  EXPECT_GT(refused, 100);
  RecordProperty("loaded", loaded);
  RecordProperty("refused", refused);
  std::printf("%d loaded, %d refused in %.2f s\n", loaded, refused, seconds);
}

}  // namespace
}  // namespace px
