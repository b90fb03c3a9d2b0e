#pragma once
// Runs the built pyxaro-cli with arguments and collects what it prints.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace px::testing {

struct CliOutput {
  std::string out;
  int status = -1;
};

inline CliOutput RunPyxaroCli(const std::string& args) {
  CliOutput run;
  FILE* pipe = popen((std::string(PYXARO_CLI) + " " + args + " 2>/dev/null").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

}  // namespace px::testing
