#include "cli/steps_cli.h"

#include <iostream>
#include <optional>

#include "core/doc/pxdoc.h"
#include "cli/cli_common.h"
#include "core/people/position_description.h"
#include "core/commands/step_commands.h"
#include "core/util/cp1252.h"

namespace px {
int CmdDescribe(const std::vector<std::string>& args) {
  const std::optional<int> x = ParseInt(args.at(0));
  const std::optional<int> y = ParseInt(args.at(1));
  if (!x || !y) {
    std::cerr << "describe: X and Y must be whole numbers of field units\n";
    return 2;
  }
  std::cout << DescribePosition(*x, *y) << "\n";
  return 0;
}

int CmdReport(const std::vector<std::string>& args) {
  std::optional<int> id;
  std::string path;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--person" && i + 1 < args.size())
      id = ParseInt(args[++i]);
    else if (path.empty())
      path = args[i];
  }
  if (!id || path.empty()) {
    std::cerr << "report: usage: report FILE --person ID\n";
    return 2;
  }
  auto doc = OpenShowOrThrow(path);
  CPerson* person = doc->FindPerson(*id);
  if (!person) {
    std::cerr << "report: the show has no person with ID " << *id << "\n";
    return 1;
  }
  std::cout << Cp1252ToUtf8(StepsText(*person, doc->m_nCurrentStep));
  return 0;
}

}  // namespace px
