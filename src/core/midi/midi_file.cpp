#include "core/midi/midi_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace px {
namespace {

// Far above any song; a larger file is not a song and is not read into memory.
constexpr std::uintmax_t kMaxMidiFileBytes = 64u << 20;
// Above this many ticks per beat the player's clock cannot follow; times are converted.
constexpr std::uint32_t kMaxResolution = 480;

std::uint32_t BigEndian(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
  return v;
}

// Finds `tag` at or after `from`; returns the position after the chunk's length field, or
// nothing. The whole file is in memory, so a tag is found wherever it lies.
bool FindChunk(const std::vector<std::uint8_t>& bytes, size_t from, const char* tag, size_t& data,
               std::uint32_t& length) {
  if (from > bytes.size()) return false;
  const auto at = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), tag, tag + 4);
  if (at == bytes.end() || bytes.end() - at < 8) return false;
  length = BigEndian(&*at + 4, 4);
  data = static_cast<size_t>(at - bytes.begin()) + 8;
  return true;
}

// Walks the events of one track chunk.
class TrackReader {
 public:
  TrackReader(const std::vector<std::uint8_t>& bytes, size_t begin, size_t end)
      : m_bytes(bytes), m_pos(begin), m_end(end) {}

  // The next event, or false at the end of the track.
  bool Next(MidiEvent& event) {
    for (;;) {
      if (m_bEnded) return false;
      if (m_nSysexLeft > 0) {
        if (m_pos >= m_end) return End();
        --m_nSysexLeft;
        event = MidiEvent{0, MIDI_STATUS_SYSEX, Byte(), 0, 0};
        return true;
      }
      // A track stops where its data does, however long a damaged event claims to be.
      if (m_pos >= m_end) return End();
      const std::uint32_t delta = Quantity() + m_nCarried;
      m_nCarried = 0;
      const std::uint8_t b = Byte();
      if (b == 0xFF) {
        const std::uint8_t type = Byte();
        const std::uint32_t length = Quantity();
        if (type == 0x2F) return End();
        if (type == 0x51) {
          event = MidiEvent{delta, MIDI_STATUS_TEMPO, Byte(), Byte(), Byte()};
          Skip(length > 3 ? length - 3 : 0);
          return true;
        }
        m_nCarried = delta;  // a skipped meta event's time belongs to the next event
        Skip(length);
        continue;
      }
      if (b == 0xF0) {
        m_bSysexContinues = true;
        m_nSysexLeft = Quantity();
        event = MidiEvent{delta, MIDI_STATUS_SYSEX, 0xF0, 0, 0};
        return true;
      }
      if (b == 0xF7) {
        if (m_bSysexContinues) {
          m_bSysexContinues = false;
          m_nSysexLeft = 0;
          event = MidiEvent{0, MIDI_STATUS_SYSEX, 0xF7, 0, 0};
          return true;
        }
        m_bSysexContinues = true;
        const std::uint32_t count = Quantity();
        event = MidiEvent{delta, MIDI_STATUS_SYSEX, Byte(), 0, 0};
        m_nSysexLeft = count > 0 ? count - 1 : 0;
        return true;
      }
      if (b < 0x80) {
        if (m_bSysexContinues) {
          event = MidiEvent{delta, MIDI_STATUS_SYSEX, b, 0, 0};
          return true;
        }
        // A data byte before any status has no message to belong to: reading it as one
        // would make a tempo change of it.
        if (m_nRunningStatus == 0) {
          m_nCarried = delta;
          continue;
        }
        event = MidiEvent{delta, m_nRunningStatus, b, 0, 0};
        if (MidiDataBytes(m_nRunningStatus) == 2) event.data2 = Byte();
        return true;
      }
      m_nRunningStatus = b;
      event = MidiEvent{delta, b, 0, 0, 0};
      const int count = MidiDataBytes(b);
      if (count >= 1) event.data1 = Byte();
      if (count >= 2) event.data2 = Byte();
      return true;
    }
  }

 private:
  bool End() {
    m_bEnded = true;
    return false;
  }
  // Bytes beyond the track read as 0.
  std::uint8_t Byte() { return m_pos < m_end ? m_bytes[m_pos++] : (m_pos++, 0); }
  void Skip(std::uint32_t count) { m_pos = count > m_end - std::min(m_pos, m_end) ? m_end : m_pos + count; }
  // A variable-length quantity: seven bits a byte, most significant first, at most four bytes.
  std::uint32_t Quantity() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = Byte();
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) break;
    }
    return v;
  }

  const std::vector<std::uint8_t>& m_bytes;
  size_t m_pos;
  size_t m_end;
  std::uint32_t m_nCarried = 0;
  std::uint32_t m_nSysexLeft = 0;
  std::uint8_t m_nRunningStatus = 0;
  bool m_bSysexContinues = false;
  bool m_bEnded = false;
};

}  // namespace

int MidiDataBytes(std::uint8_t status) {
  if (status < 0xF0) {
    switch (status & 0xF0) {
      case 0x80: case 0x90: case 0xA0: case 0xB0: case 0xE0: return 2;
      case 0xC0: case 0xD0: return 1;
      default: return 0;
    }
  }
  switch (status) {
    case 0xF1: case 0xF3: return 1;
    case 0xF2: return 2;
    default: return 0;
  }
}

std::unique_ptr<MidiFile> MidiFile::OpenForReading(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxMidiFileBytes) return nullptr;
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (in.gcount() != static_cast<std::streamsize>(size)) return nullptr;
  return FromBytes(std::move(bytes));
}

std::unique_ptr<MidiFile> MidiFile::FromBytes(std::vector<std::uint8_t> bytes) {
  std::unique_ptr<MidiFile> file(new MidiFile(std::move(bytes)));
  if (!file->ReadHeader()) return nullptr;
  return file;
}

bool MidiFile::ReadHeader() {
  if (m_bytes.size() < 4 || std::memcmp(m_bytes.data(), "MThd", 4) != 0) return false;
  size_t data = 0;
  std::uint32_t length = 0;
  if (!FindChunk(m_bytes, 0, "MThd", data, length) || length < 6 || m_bytes.size() - data < 6) return false;
  const std::uint8_t* h = &m_bytes[data];
  m_nFormat = static_cast<int>(BigEndian(h, 2));
  if (m_nFormat == 2) m_nFormat = 1;
  m_nTracks = std::max(0, static_cast<int>(static_cast<std::int16_t>(BigEndian(h + 2, 2))));
  m_nDivision = static_cast<int>(BigEndian(h + 4, 2));
  // Every time of the song is divided by it.
  if (m_nDivision == 0) return false;

  // Each track is searched for after the end of the one before, never inside its data.
  size_t from = data + std::min<size_t>(length, m_bytes.size() - data);
  m_tracks.assign(static_cast<size_t>(m_nTracks), TrackChunk{});
  for (TrackChunk& track : m_tracks) {
    std::uint32_t trackLength = 0;
    if (!FindChunk(m_bytes, from, "MTrk", track.begin, trackLength)) break;  // this one and the rest read empty
    track.end = track.begin + std::min<size_t>(trackLength, m_bytes.size() - track.begin);
    from = track.end;
  }
  return true;
}

size_t MidiFile::ReadTrack(int index, MidiReadState& state, std::vector<MidiEvent>& events, size_t capacity) const {
  if (index < 0 || index >= m_nTracks) return 0;
  const TrackChunk& chunk = m_tracks[static_cast<size_t>(index)];
  TrackReader reader(m_bytes, chunk.begin, chunk.end);
  std::uint64_t t = 0;
  std::uint64_t lastStored = state.startOffset;  // the first stored event is timed from the offset
  size_t stored = 0;
  MidiEvent event;
  while (stored < capacity && reader.Next(event)) {
    t += event.time;
    if (t < state.startOffset) {
      if (event.status == MIDI_STATUS_TEMPO && !state.tempoFrozen)
        state.tempo = (std::uint32_t{event.data1} << 16) | (std::uint32_t{event.data2} << 8) | event.data3;
      continue;
    }
    if (event.status == MIDI_STATUS_SYSEX) continue;
    // Measured from the last stored event, so the time of events left out is not lost.
    event.time = static_cast<std::uint32_t>(std::min<std::uint64_t>(t - lastStored, UINT32_MAX));
    lastStored = t;
    events.push_back(event);
    ++stored;
    state.tempoFrozen = true;
  }
  state.highestTick = static_cast<std::uint32_t>(std::max<std::uint64_t>(state.highestTick, std::min<std::uint64_t>(t, UINT32_MAX)));
  return stored;
}

std::unique_ptr<MidiSong> LoadMidiSong(const MidiFile& file, std::uint32_t startOffset) {
  auto song = std::make_unique<MidiSong>();
  song->division = file.Division();
  song->state.startOffset = startOffset;
  song->tracks.resize(static_cast<size_t>(file.TrackCount()));
  for (int i = 0; i < file.TrackCount(); ++i) file.ReadTrack(i, song->state, song->tracks[static_cast<size_t>(i)]);
  const std::uint32_t division = static_cast<std::uint32_t>(file.Division());
  if (division > kMaxResolution)
    for (auto& track : song->tracks)
      for (MidiEvent& e : track) e.time = static_cast<std::uint32_t>(std::uint64_t{e.time} * kMaxResolution / division);
  return song;
}

int SongLengthInSteps(const MidiFile& file) {
  MidiReadState state;
  std::vector<MidiEvent> events;
  for (int i = 0; i < file.TrackCount(); ++i) {
    events.clear();
    file.ReadTrack(i, state, events);
  }
  const std::uint64_t division = static_cast<std::uint64_t>(file.Division());
  return static_cast<int>((std::uint64_t{state.highestTick} + division - 1) / division);
}

}  // namespace px
