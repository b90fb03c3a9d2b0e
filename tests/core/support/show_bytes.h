#pragma once
// Show files built by hand for golden and reading tests: little-endian primitives and
// length-prefixed strings, the document fields and the record data in the order of the file
// layout with every version branch, written straight from the layout, never through CArchive.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/formation/formation.h"
#include "core/people/person.h"
#include "core/model/place.h"

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


struct Pt {
  int x = 0, y = 0;
};

// The show-wide fields; defaults are those of a new show.
struct DocLayout {
  std::uint16_t major = 1;
  std::uint16_t version = 12;
  std::uint32_t crLines8 = 0x000000;
  int vertical4 = 0;
  int vertical1 = 0;
  int currentStep = 0;
  double fieldWidth = 7200.0, fieldHeight = 3780.0;
  std::string title{};
  std::vector<std::string> comments{}, songs{};
  Bytes formations = Bytes().Word(0);  // the list with its count
  Bytes people = Bytes().Word(0);
  // Rows 59 to 73 (added by versions 2 to 12) hold values unlike their defaults.
  bool unusualNewRows = false;
};
Bytes ShowBytes(const DocLayout& d);

// A show read from bytes; throws what the reader throws.
std::unique_ptr<CPxDoc> ReadBytes(const std::vector<std::uint8_t>& bytes);

// Formation record data (after its tag), rows 1 to 34 for record version `version`.
struct FormationLayout {
  int version = 5;
  std::string name = "F", note{};
  int shape = 0, spread = 1, scaleToFit = 0, scaleToInterval = 0;
  int step = 0, endStep = 0, number = 1, extra = 0, places = 0, spare = 0;
  int rect[4] = {100, 200, 300, 400};
  Pt pivot{200, 300};
  double interval = 90.0, rotation = 0.0, arcStart = 0.0, arcEnd = 3.0;
  Pt arcStartPt{-999, 0}, arcEndPt{-999, 0};
  double skew = 0.0;
  int reverse = 0, block = 0, rows = 4;
  int penStyle = 6;
  Pt penWidth{1, 1};
  std::uint32_t penColor = 0;
  int brushStyle = 1;
  std::uint32_t brushColor = 0xC0C0C0;
  int brushHatch = 0;
  int nPoints = 0, nAlloc = 0;
  std::vector<Pt> points{};
  int point = 0, fill = 0, arrow = 0, curveRepeat = 6;
};
Bytes FormationData(const FormationLayout& f);

struct PlaceLayout {
  int version = 3;
  int step = 0, march = 0, anchor = 0, reverse = 0, cw = 0, endCw = 0, startCw = 0;
  int formationId = 1, slot = 0, waitBefore = 0, waitAfter = 0;
  Pt spot{-999, -999};
  int flex = 0, simple = 1;
};
Bytes PlaceData(const PlaceLayout& p);

struct StepInstLayout {
  int count = 0, towardStands = 0, awayFromStands = 0, towardRight = 0, towardLeft = 0, steps = 0;
  double stepSize = 45.0;
};
Bytes StepInstData(const StepInstLayout& s);

// Person record data: the formation data, then the person's own rows. The lists carry
// their counts and record tags.
struct PersonLayout {
  FormationLayout base{};
  int version = 1;
  Pt position{-999, -999};
  Bytes places = Bytes().Word(0);
  Bytes stepInsts = Bytes().Word(0);
  int group = 5;
  std::string height = "60";
};
Bytes PersonData(const PersonLayout& p);

// A list of one record of a class met for the first time.
Bytes ListOfOne(std::string_view className, const Bytes& data);

// A list of `count` places of version 3 on no formation; the first one names the class, the
// others refer to it by `classIndex`.
Bytes PlaceList(int count, std::uint16_t classIndex);

// Records with every stored member set to the layout, so writing tests do not depend on the
// constructors' defaults (a person gets its own rows, not its places or instructions); and
// checks of every member read back from a file against the layout (coordinates of version 0
// zero-extended, brush style folded to 0 or 1, missing rows at their version defaults).
void Apply(const FormationLayout& layout, CFormation& f);
std::unique_ptr<CPerson> MakePerson(const PersonLayout& layout);
std::unique_ptr<CPlace> MakePlace(const PlaceLayout& layout);
std::unique_ptr<CStepInst> MakeStepInst(const StepInstLayout& layout);
void ExpectRead(const FormationLayout& layout, CFormation& f);
void ExpectRead(const PlaceLayout& layout, CPlace& p);

}  // namespace px::test
