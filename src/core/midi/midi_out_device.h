#pragma once
// A MIDI output device as the player uses it: the devices of the system by index, one of them
// open at a time, short messages sent to it.
#include <cstdint>
#include <string>

namespace px {

// The device index that stands for the default device (the synthesizer every machine has);
// an index not below the number of devices means the same.
inline constexpr int kMidiMapper = 0xFFFF;

class MidiOutDevice {
 public:
  virtual ~MidiOutDevice() = default;

  // The number of output devices, the mapper not counted.
  virtual int Count() = 0;
  // The name shown in the device list; the mapper's for kMidiMapper. Empty when the device
  // cannot tell (the mapper is then left out of the list).
  virtual std::string Name(int index) = 0;
  // Opens the device (closing any other first); kMidiMapper or an index past the list opens
  // the mapper. False with a reason in LastError() when the device cannot be used.
  virtual bool Open(int index) = 0;
  virtual std::string LastError() const = 0;
  virtual bool IsOpen() const = 0;
  // A channel or real-time message packed as status | data1 << 8 | data2 << 16. Called from the
  // clock's thread while a song plays, and from the caller's thread only while none does.
  virtual void ShortMessage(std::uint32_t message) = 0;
  // Lets go of everything still sounding.
  virtual void Reset() = 0;
  virtual void Close() = 0;
};

inline std::uint32_t PackShortMessage(std::uint8_t status, std::uint8_t data1 = 0, std::uint8_t data2 = 0) {
  return status | (std::uint32_t{data1} << 8) | (std::uint32_t{data2} << 16);
}

}  // namespace px
