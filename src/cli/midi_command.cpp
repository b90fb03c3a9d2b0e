// pyxaro-cli midi: what the MIDI reader makes of a file, as JSON.
#include <climits>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/midi/midi_file.h"

namespace px {

int MidiCommand(const Args& args) {
  const Options options(args, {{"--offset"}}, 1);
  const int offset = options.Int("--offset", 0, INT_MAX, 0);
  const auto file = MidiFile::OpenForReading(options.Positional(0));
  if (!file) Fail("The file is not a valid MIDI file.");
  const std::uint64_t start = std::uint64_t{static_cast<std::uint32_t>(file->Division())} * static_cast<std::uint32_t>(offset);
  const auto song = LoadMidiSong(*file, static_cast<std::uint32_t>(std::min<std::uint64_t>(start, UINT32_MAX)));
  nlohmann::json tracks = nlohmann::json::array();
  for (const auto& track : song->tracks) {
    nlohmann::json events = nlohmann::json::array();
    for (const MidiEvent& e : track) events.push_back({e.time, e.status, e.data1, e.data2, e.data3});
    tracks.push_back({{"events", std::move(events)}});
  }
  const nlohmann::json out = {{"format", file->Format()},
                              {"track_count", file->TrackCount()},
                              {"division", file->Division()},
                              {"tempo", song->state.tempo},
                              {"highest_tick", song->state.highestTick},
                              {"length_steps", SongLengthInSteps(*file)},
                              {"tracks", std::move(tracks)}};
  std::cout << out.dump() << "\n";
  return 0;
}

}  // namespace px
