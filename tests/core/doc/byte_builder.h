#pragma once
// Builds show-file bytes by hand for golden tests: little-endian primitives and the
// length-prefixed strings, written straight from the file layout, never through CArchive.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace px::test {

class Bytes {
 public:
  Bytes& Byte(std::uint8_t b) {
    v.push_back(b);
    return *this;
  }
  Bytes& Word(std::uint16_t w) { return Byte(static_cast<std::uint8_t>(w)).Byte(static_cast<std::uint8_t>(w >> 8)); }
  Bytes& Dword(std::uint32_t d) {
    return Word(static_cast<std::uint16_t>(d)).Word(static_cast<std::uint16_t>(d >> 16));
  }
  Bytes& Long(std::int32_t l) { return Dword(static_cast<std::uint32_t>(l)); }
  Bytes& Double(double d) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof d);
    return Dword(static_cast<std::uint32_t>(bits)).Dword(static_cast<std::uint32_t>(bits >> 32));
  }
  Bytes& Point(std::int32_t x, std::int32_t y) { return Long(x).Long(y); }
  Bytes& Chars(std::string_view s) {
    v.insert(v.end(), s.begin(), s.end());
    return *this;
  }
  // STRING: one length byte below 255, else 0xFF and a WORD below 0xFFFE, else 0xFF 0xFFFF
  // and a DWORD.
  Bytes& Str(std::string_view s) {
    if (s.size() < 0xFF)
      Byte(static_cast<std::uint8_t>(s.size()));
    else if (s.size() < 0xFFFE)
      Byte(0xFF).Word(static_cast<std::uint16_t>(s.size()));
    else
      Byte(0xFF).Word(0xFFFF).Dword(static_cast<std::uint32_t>(s.size()));
    return Chars(s);
  }
  // A record of a class met for the first time: new-class tag, schema 0, name.
  Bytes& NewClass(std::string_view name) {
    return Word(0xFFFF).Word(0).Word(static_cast<std::uint16_t>(name.size())).Chars(name);
  }
  Bytes& Append(const Bytes& other) {
    v.insert(v.end(), other.v.begin(), other.v.end());
    return *this;
  }
  // Space-separated hex bytes, e.g. "01 00 0c 00".
  Bytes& Hex(std::string_view hex) {
    for (size_t i = 0; i < hex.size();) {
      if (hex[i] == ' ' || hex[i] == '|') {
        ++i;
        continue;
      }
      v.push_back(static_cast<std::uint8_t>(std::stoul(std::string(hex.substr(i, 2)), nullptr, 16)));
      i += 2;
    }
    return *this;
  }
  size_t size() const { return v.size(); }

  std::vector<std::uint8_t> v;
};

}  // namespace px::test
