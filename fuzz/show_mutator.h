#pragma once
// Damaged copies of a show file, of the kinds a disk, a transfer or a hand edit makes, and the
// check every copy must pass: it loads or is refused as a damaged file (nothing crashes, hangs
// or throws anything else), and what loads writes a show that loads again. The suite runs a
// few hundred copies; fuzz/mutation_show_reader runs as many as asked, under the sanitizers.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px::fuzz {

using Buffer = std::vector<std::uint8_t>;

class ShowMutator {
 public:
  explicit ShowMutator(std::uint32_t seed) : rng_(seed) {}

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

// Whether `bytes` load; if so, what the loaded show writes.
inline bool LoadOrRefuse(const Buffer& bytes, Buffer* rewritten) {
  CPxDoc doc;
  try {
    LoadShowFromBytes(bytes, doc);
  } catch (const ArchiveFormatError&) {
    return false;
  }
  *rewritten = SaveShowToBytes(doc);
  return true;
}

struct MutationRun {
  int loaded = 0, refused = 0;
  std::string failure;  // the first copy that broke the rule, or empty
};

// `cases` damaged copies of `show`; every fifth one cut short.
inline MutationRun RunDamagedCopies(const Buffer& show, std::uint32_t seed, int cases) {
  ShowMutator mutator(seed);
  MutationRun run;
  for (int i = 0; i < cases && run.failure.empty(); ++i) {
    const Buffer damaged = i % 5 == 4 ? mutator.Truncate(show) : mutator.Mutate(show);
    Buffer rewritten, twice, thrice;
    if (!LoadOrRefuse(damaged, &rewritten)) {
      ++run.refused;
      continue;
    }
    ++run.loaded;
    // Bytes after the last field are not kept but count toward the room a file may reserve,
    // so a shorter rewrite may be refused; after one rewrite a show writes what it reads.
    const std::string at = "case " + std::to_string(i) + ": ";
    if (!LoadOrRefuse(rewritten, &twice)) {
      if (rewritten.size() >= damaged.size()) run.failure = at + "the rewritten show is refused";
    } else if (!LoadOrRefuse(twice, &thrice)) {
      run.failure = at + "the second rewrite is refused";
    } else if (thrice != twice) {
      run.failure = at + "the second rewrite differs from the first";
    }
  }
  return run;
}

}  // namespace px::fuzz
