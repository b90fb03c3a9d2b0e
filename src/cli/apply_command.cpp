// apply IN.sho SCRIPT.json -o OUT.sho: runs a command script on a show and saves the result.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/apply_runner.h"
#include "cli/commands.h"
#include "core/doc/pxdoc.h"

namespace px {

int ApplyCommand(const Args& args) {
  const Options options(args, {{"-o"}}, 2);
  const std::string* outPath = options.Value("-o");
  if (!outPath) FailUsage("the output show is missing: -o OUT.sho");
  const std::string& scriptPath = options.Positional(1);
  std::ifstream file(scriptPath, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  if (!file) Fail("cannot read " + scriptPath);
  auto doc = OpenShowOrFail(options.Positional(0));
  try {
    const std::vector<ScriptAction> actions = ParseScript(text.str());
    ScriptRunner(*doc, std::cout).Run(actions);
  } catch (const ScriptError& e) {
    // Nothing is saved from a script that could not be run to its end.
    std::cerr << scriptPath << (e.action >= 0 ? ": action " + std::to_string(e.action) : std::string()) << ": "
              << e.what() << "\n";
    return 2;
  }
  SaveShowOrFail(*outPath, *doc);
  return 0;
}

}  // namespace px
