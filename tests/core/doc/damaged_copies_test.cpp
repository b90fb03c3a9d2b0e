// A few hundred damaged copies of the demo show load or are refused, and what loads rewrites
// soundly; fuzz/mutation_show_reader runs thousands more.
#include <gtest/gtest.h>

#include "fuzz/show_mutator.h"
#include "core/support/files.h"

namespace px {
namespace {

TEST(DamagedCopies, OfTheDemoLoadOrAreRefused) {
  const auto raw = test::ReadAll(PYXARO_SOURCE_DIR "/examples/demo.sho");
  const fuzz::MutationRun run = fuzz::RunDamagedCopies({raw.begin(), raw.end()}, 20240611, 400);
  EXPECT_EQ(run.failure, "");
  // Both outcomes occur, so the damage reaches both the fields and the records.
  EXPECT_GT(run.loaded, 20);
  EXPECT_GT(run.refused, 20);
}

}  // namespace
}  // namespace px
