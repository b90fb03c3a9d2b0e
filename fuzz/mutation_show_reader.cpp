// The long run of damaged copies of a show (the demo by default):
//   mutation_show_reader [CASES [SEED [SHOW]]]
// Exits non-zero on the first copy that crashes, hangs, throws or rewrites badly.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "show_mutator.h"

int main(int argc, char** argv) {
  const int cases = argc > 1 ? std::atoi(argv[1]) : 12000;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20240611);
  std::ifstream in(argc > 3 ? argv[3] : PYXARO_SOURCE_DIR "/examples/demo.sho", std::ios::binary);
  const px::fuzz::Buffer show{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (show.empty()) {
    std::fprintf(stderr, "no show to damage\n");
    return 2;
  }
  const px::fuzz::MutationRun run = px::fuzz::RunDamagedCopies(show, seed, cases);
  std::printf("%d loaded, %d refused\n", run.loaded, run.refused);
  if (!run.failure.empty()) std::fprintf(stderr, "%s\n", run.failure.c_str());
  return run.failure.empty() ? 0 : 1;
}
