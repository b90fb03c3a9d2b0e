// pyxaro-cli: batch work on show files with the same code as the desktop program.
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "cli/chart_commands.h"
#include "cli/cli_common.h"
#include "cli/demo_show.h"
#include "cli/play_command.h"
#include "cli/positions_command.h"
#include "cli/show_json.h"
#include "cli/spots_command.h"
#include "cli/steps_cli.h"
#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/util/cp1252.h"

namespace px {
namespace {

using Args = std::vector<std::string>;

void SaveOrFail(const std::string& path, CPxDoc& doc) {
  const FileResult result = WriteShowFile(path, doc);
  if (!result.ok) throw result;
}

int CmdNew(const Args& args) {
  CPxDoc doc;
  SaveOrFail(args.at(0), doc);
  return 0;
}

int CmdInfo(const Args& args) {
  auto doc = OpenShowOrThrow(args.at(0));
  size_t places = 0, insts = 0;
  for (const auto& p : doc->m_people) {
    places += p->m_places.size();
    insts += p->m_stepInsts.size();
  }
  std::cout << "Title: " << Cp1252ToUtf8(doc->m_strTitle) << "\n"
            << "Last step: " << doc->m_nLastStep << "\n"
            << "Formations: " << doc->m_formations.size() << "\n"
            << "People: " << doc->m_people.size() << "\n"
            << "Places: " << places << "\n"
            << "Step instructions: " << insts << "\n"
            << "Comments: " << doc->m_comments.size() << "\n"
            << "Songs: " << doc->m_songs.size() << "\n";
  return 0;
}

int CmdDump(const Args& args) {
  auto doc = OpenShowOrThrow(args.at(0));
  std::cout << ShowToJson(*doc).dump(2) << "\n";
  return 0;
}

int CmdRoundtrip(const Args& args) {
  auto doc = OpenShowOrThrow(args.at(0));
  SaveOrFail(args.at(1), *doc);
  return 0;
}

int CmdDemo(const Args& args) {
  auto doc = BuildDemoShow();
  SaveOrFail(args.at(0), *doc);
  return 0;
}

struct Command {
  const char* name;
  const char* usage;
  size_t argCount;
  std::function<int(const Args&)> run;
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"new", "new OUT            write a new, empty show", 1, CmdNew},
      {"info", "info FILE          title, last step and counts", 1, CmdInfo},
      {"dump", "dump FILE          the whole show as JSON", 1, CmdDump},
      {"roundtrip", "roundtrip IN OUT   read a show and write it again", 2, CmdRoundtrip},
      {"demo", "demo OUT           write the bundled demo show", 1, CmdDemo},
      {"describe", "describe X Y       the position of a field point in words", 2, CmdDescribe},
      {"report", "report FILE --person ID   the step sheet of one person", 3, CmdReport},
      {"positions", "positions FILE [--from S] [--to T] [--csv]   every person's position at every step", 1,
       CmdPositions},
      {"play", "play FILE [--from S] [--ticks N]   play the show headless, one step per tick", 1, CmdPlay},
      {"spots", "spots FILE [--step N]  outline and slot spots of every formation as JSON", 1, CmdSpots},
      {"render", "render FILE --step N -o OUT [--width W] [--height H] [--3d]   one step as PNG, SVG or PDF", 1,
       CmdRender},
      {"print", "print FILE -o OUT.pdf   the printed field charts as a PDF", 1, CmdPrint},
  };
  return commands;
}

int Usage() {
  std::cerr << "usage: pyxaro-cli COMMAND ARGS...\n";
  for (const Command& c : Commands()) std::cerr << "  " << c.usage << "\n";
  return 2;
}

}  // namespace
}  // namespace px

int main(int argc, char** argv) {
  using namespace px;
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  for (const Command& c : Commands()) {
    if (name != c.name) continue;
    const Args args(argv + 2, argv + argc);
    if (args.size() < c.argCount) return Usage();
    try {
      return c.run(args);
    } catch (const FileResult& failure) {
      std::cerr << failure.message << "\n";
      return 1;
    }
  }
  return Usage();
}
