#pragma once
// Writes Standard MIDI Files (format 1) from event lists as the reader makes them: the demo
// song and the songs of tests are made with it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/midi/midi_event.h"

namespace px {

// The file's bytes: one "MTrk" chunk per list, each event with its delta time, a tempo
// record (status 0) as a set-tempo meta event, and an end-of-track event after the last.
std::vector<std::uint8_t> WriteMidiFile(const std::vector<std::vector<MidiEvent>>& tracks, int division);

// A tempo record of `microsecondsPerBeat`.
MidiEvent TempoEvent(std::uint32_t delta, std::uint32_t microsecondsPerBeat);

}  // namespace px
