// pyxaro-cli describe and report: the position description of a field point and a person's
// step sheet.
#include <climits>
#include <iostream>

#include "cli/commands.h"
#include "core/doc/pxdoc.h"
#include "core/people/position_description.h"
#include "core/commands/step_commands.h"
#include "core/util/cp1252.h"

namespace px {
namespace {

// Far beyond the field (0..8640) on either side, and far from overflowing the arithmetic.
constexpr int kCoordinateLimit = 1000000;

}  // namespace

int DescribeCommand(const Args& args) {
  const Options options(args, {}, 2);
  const std::optional<int> x = ParseInt(options.Positional(0), -kCoordinateLimit, kCoordinateLimit);
  const std::optional<int> y = ParseInt(options.Positional(1), -kCoordinateLimit, kCoordinateLimit);
  if (!x || !y) FailUsage("X and Y must be whole numbers of field units from -1000000 to 1000000");
  std::cout << WithLineFeeds(DescribePosition(*x, *y)) << "\n";
  return 0;
}

int ReportCommand(const Args& args) {
  const Options options(args, {{"--person"}}, 1);
  if (!options.Has("--person")) FailUsage("--person is missing");
  const int id = options.Int("--person", INT_MIN, INT_MAX, 0);
  auto doc = OpenShowOrFail(options.Positional(0));
  CPerson* person = doc->FindPerson(id);
  if (!person) Fail("report: the show has no person with ID " + std::to_string(id));
  std::cout << WithLineFeeds(Cp1252ToUtf8(StepsText(*person, doc->m_nCurrentStep)));
  return 0;
}

}  // namespace px
