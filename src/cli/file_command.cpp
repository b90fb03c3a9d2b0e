// The commands on whole show files: new, info, dump, roundtrip and demo.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "cli/demo_show.h"
#include "cli/demo_song.h"
#include "cli/show_json.h"
#include "core/doc/pxdoc.h"
#include "core/midi/midi_file.h"
#include "core/util/cp1252.h"

namespace px {

int NewCommand(const Args& args) {
  const Options options(args, {}, 1);
  CPxDoc doc;
  SaveShowOrFail(options.Positional(0), doc);
  return 0;
}

int InfoCommand(const Args& args) {
  const Options options(args, {}, 1);
  auto doc = OpenShowOrFail(options.Positional(0));
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

int DumpCommand(const Args& args) {
  const Options options(args, {}, 1);
  auto doc = OpenShowOrFail(options.Positional(0));
  std::cout << ShowToJson(*doc).dump(2) << "\n";
  return 0;
}

int RoundtripCommand(const Args& args) {
  const Options options(args, {}, 2);
  auto doc = OpenShowOrFail(options.Positional(0));
  SaveShowOrFail(options.Positional(1), *doc);
  return 0;
}

int DemoCommand(const Args& args) {
  const Options options(args, {}, 1);
  auto doc = BuildDemoShow();
  SaveShowOrFail(options.Positional(0), *doc);
  // The show's song goes beside it, where the show looks for a song named without a folder.
  const std::vector<std::uint8_t> song = BuildDemoSong();
  const auto file = MidiFile::FromBytes(song);
  if (!file || SongLengthInSteps(*file) != 32) throw CliFailure{1, "the demo song does not read back as 32 steps"};
  const std::filesystem::path songPath = std::filesystem::path(options.Positional(0)).parent_path() / "demo.mid";
  std::ofstream out(songPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(song.data()), static_cast<std::streamsize>(song.size()));
  if (!out.flush()) throw CliFailure{1, "cannot write " + songPath.string()};
  return 0;
}

}  // namespace px
