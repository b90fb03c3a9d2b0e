// pyxaro-cli: batch work on show files with the same code as the desktop program.
#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace px {
namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const Args&);
};

constexpr Command kCommands[] = {
    {"new", "new OUT            write a new, empty show", NewCommand},
    {"info", "info FILE          title, last step and counts", InfoCommand},
    {"dump", "dump FILE          the whole show as JSON", DumpCommand},
    {"roundtrip", "roundtrip IN OUT   read a show and write it again", RoundtripCommand},
    {"demo", "demo OUT           write the bundled demo show", DemoCommand},
    {"describe", "describe X Y       the position of a field point in words", DescribeCommand},
    {"report", "report FILE --person ID   the step sheet of one person", ReportCommand},
    {"positions", "positions FILE [--from S] [--to T] [--csv]   every person's position at every step",
     PositionsCommand},
    {"play", "play FILE [--from S] [--ticks N] [--midi null|synth] [--audio OUT.wav]   play the show headless, one step per tick", PlayCommand},
    {"midi", "midi FILE.mid [--offset STEPS]   what the MIDI reader makes of a song, as JSON", MidiCommand},
    {"spots", "spots FILE [--step N]  outline and slot spots of every formation as JSON", SpotsCommand},
    {"render", "render FILE --step N -o OUT [--width W] [--height H] [--3d]   one step as PNG, SVG or PDF",
     RenderCommand},
    {"print", "print FILE -o OUT.pdf   the printed field charts as a PDF", PrintCommand},
    {"apply", "apply IN SCRIPT.json -o OUT   run a script of menu commands on a show and save it", ApplyCommand},
};

int Usage() {
  std::cerr << "usage: pyxaro-cli COMMAND ARGS...\n";
  for (const Command& c : kCommands) std::cerr << "  " << c.usage << "\n";
  return 2;
}

// Output that could not be written (a full disk, a closed pipe) is a failure, not success.
int CheckOutput(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout.good()) {
    std::cerr << "cannot write the output\n";
    return status == 0 ? 1 : status;
  }
  return status;
}

}  // namespace
}  // namespace px

int main(int argc, char** argv) {
  using namespace px;
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  for (const Command& c : kCommands) {
    if (name != c.name) continue;
    try {
      return CheckOutput(c.run(Args(argv + 2, argv + argc)));
    } catch (const CliFailure& failure) {
      if (failure.status == 2)
        std::cerr << c.name << ": " << failure.message << "\nusage: pyxaro-cli " << c.usage << "\n";
      else
        std::cerr << failure.message << "\n";
      return CheckOutput(failure.status);
    } catch (const std::bad_alloc&) {
      std::cerr << c.name << ": not enough memory\n";
      return CheckOutput(1);
    }
  }
  return Usage();
}
