#include "core/support/show_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/doc/archive.h"
#include "core/doc/show_file.h"

namespace px::test {

std::unique_ptr<CPxDoc> ReadBytes(const std::vector<std::uint8_t>& bytes) {
  auto doc = std::make_unique<CPxDoc>();
  LoadShowFromBytes(bytes, *doc);
  return doc;
}

Bytes ShowBytes(const DocLayout& d) {
  const int v = d.version > 12 ? 12 : d.version;
  Bytes b;
  b.Word(d.major).Word(d.version);                  // rows 1, 2
  b.Double(45.0).Double(90.0).Double(90.0);         // rows 3-5: step size, interval, snap
  b.Dword(0x00FF00).Dword(0xFFFFFF);                // rows 6, 7: selected formation, flag
  b.Dword(0x969696).Dword(0x969696);                // rows 8, 9: future, past formation
  b.Dword(0xFFFFFF).Dword(d.crLines8);              // rows 10, 11: field, lines 8
  b.Dword(0).Dword(0).Dword(0);                     // rows 12-14: ID numbers, formation, person
  b.Word(1).Word(300).Word(0).Word(0).Word(1);      // rows 15-19
  b.Word(0).Word(0).Word(0).Word(0).Word(0).Word(0);  // rows 20-25
  b.Word(static_cast<std::uint16_t>(d.vertical4));  // row 26
  b.Word(1).Word(1).Word(1).Word(0).Word(1);        // rows 27-31
  b.Word(static_cast<std::uint16_t>(d.currentStep));  // row 32
  b.Word(0).Word(1).Word(3).Word(50);               // rows 33-36
  b.Word(1200).Word(1700).Word(1).Word(24).Word(2);  // rows 37-41
  b.Word(1);                                        // row 42: directional indicators
  for (int row = 43; row <= 49; ++row) b.Word(0);   // rows 43-49
  b.Word(1).Word(1).Word(0);                        // rows 50-52
  b.Append(d.formations).Append(d.people);          // rows 53, 54
  b.Word(static_cast<std::uint16_t>(d.comments.size()));  // row 55
  for (const auto& c : d.comments) b.Str(c);
  b.Word(static_cast<std::uint16_t>(d.songs.size()));  // row 56
  for (const auto& s : d.songs) b.Str(s);
  for (int i = 0; i < 8; ++i) b.Byte(0);            // row 57: bitmap files
  b.Word(0);                                        // row 58: MIDI device
  const bool odd = d.unusualNewRows;
  if (v >= 2) b.Word(odd ? 77 : 50);                // row 59
  if (v >= 3) b.Word(36).Word(36);                  // row 60
  if (v >= 4) b.Word(odd ? 0 : 1);                  // row 61
  if (v >= 5) {                                     // row 62; the title is the last string
    for (int i = 0; i < 7; ++i) b.Byte(0);
    b.Str(d.title);
  }
  if (v >= 6) b.Dword(odd ? 0x010203 : 0xFFFFFF);   // row 63
  if (v >= 7) b.Word(static_cast<std::uint16_t>(d.vertical1));  // row 64
  if (v >= 8) b.Double(d.fieldWidth).Double(d.fieldHeight);     // row 65
  if (v >= 9) {
    b.Double(odd ? 1000.0 : 1260.0).Double(2520.0);  // row 66
    for (int i = 0; i < 8; ++i) b.Word(0);          // rows 67, 68
    b.Dword(0x414141).Dword(0x828282).Dword(0xC8C8C8).Dword(0);  // row 69
    b.Word(odd ? 3 : 0);                            // row 70
  }
  if (v >= 10) b.Word(odd ? 0 : 1).Word(1);         // row 71
  if (v >= 11) b.Word(odd ? 1 : 0);                 // row 72
  if (v >= 12) b.Word(odd ? 1 : 0);                 // row 73
  return b;
}

Bytes FormationData(const FormationLayout& f) {
  const bool words = f.version == 0;
  auto coord = [&](Bytes& b, int value) {
    if (words)
      b.Word(static_cast<std::uint16_t>(value));
    else
      b.Long(value);
  };
  auto point = [&](Bytes& b, Pt p) {
    coord(b, p.x);
    coord(b, p.y);
  };
  Bytes b;
  b.Word(static_cast<std::uint16_t>(f.version)).Str(f.name).Str(f.note);
  for (int w : {f.shape, f.spread, f.scaleToFit, f.scaleToInterval, f.step, f.endStep, f.number, f.extra,
                f.places, f.spare})
    b.Word(static_cast<std::uint16_t>(w));
  for (int c : f.rect) coord(b, c);
  point(b, f.pivot);
  b.Double(f.interval).Double(f.rotation).Double(f.arcStart).Double(f.arcEnd);
  point(b, f.arcStartPt);
  point(b, f.arcEndPt);
  b.Double(f.skew);
  b.Word(static_cast<std::uint16_t>(f.reverse)).Word(static_cast<std::uint16_t>(f.block));
  b.Word(static_cast<std::uint16_t>(f.rows));
  coord(b, f.penStyle);
  point(b, f.penWidth);
  b.Dword(f.penColor);
  b.Long(f.brushStyle).Dword(f.brushColor);
  if (!words) b.Long(f.brushHatch);
  b.Word(static_cast<std::uint16_t>(f.nPoints)).Word(static_cast<std::uint16_t>(f.nAlloc));
  if (f.nAlloc != 0 && f.nPoints > 0)
    for (const Pt& p : f.points) point(b, p);
  if (f.version >= 2) b.Word(static_cast<std::uint16_t>(f.point));
  if (f.version >= 3) b.Word(static_cast<std::uint16_t>(f.fill));
  if (f.version >= 4) b.Word(static_cast<std::uint16_t>(f.arrow));
  if (f.version >= 5) b.Word(static_cast<std::uint16_t>(f.curveRepeat));
  return b;
}

Bytes PlaceData(const PlaceLayout& p) {
  Bytes b;
  for (int w : {p.version, p.step, p.march, p.anchor, p.reverse, p.cw, p.endCw, p.startCw, p.formationId, p.slot,
                p.waitBefore, p.waitAfter})
    b.Word(static_cast<std::uint16_t>(w));
  if (p.version == 0)
    b.Word(static_cast<std::uint16_t>(p.spot.x)).Word(static_cast<std::uint16_t>(p.spot.y));
  else
    b.Point(p.spot.x, p.spot.y);
  if (p.version >= 2) b.Word(static_cast<std::uint16_t>(p.flex));
  if (p.version >= 3) b.Word(static_cast<std::uint16_t>(p.simple));
  return b;
}

Bytes StepInstData(const StepInstLayout& s) {
  Bytes b;
  b.Word(1);
  for (int w : {s.count, s.towardStands, s.awayFromStands, s.towardRight, s.towardLeft, s.steps})
    b.Word(static_cast<std::uint16_t>(w));
  return b.Double(s.stepSize);
}

Bytes PersonData(const PersonLayout& p) {
  Bytes b = FormationData(p.base);
  b.Word(static_cast<std::uint16_t>(p.version));
  if (p.version == 0)
    b.Word(static_cast<std::uint16_t>(p.position.x)).Word(static_cast<std::uint16_t>(p.position.y));
  else
    b.Point(p.position.x, p.position.y);
  b.Append(p.places).Append(p.stepInsts);
  b.Word(static_cast<std::uint16_t>(p.group)).Str(p.height).Word(0);
  return b;
}

Bytes ListOfOne(std::string_view className, const Bytes& data) {
  return Bytes().Word(1).NewClass(className).Append(data);
}

Bytes PlaceList(int count, std::uint16_t classIndex) {
  Bytes b;
  b.Word(static_cast<std::uint16_t>(count));
  for (int i = 0; i < count; ++i) {
    if (i == 0)
      b.NewClass("CPlace");
    else
      b.Word(static_cast<std::uint16_t>(0x8000 | classIndex));
    b.Append(PlaceData({.step = i, .formationId = 0}));
  }
  return b;
}

namespace {

CPoint ToPoint(Pt p) { return CPoint{p.x, p.y}; }

// Version 0 stores coordinates as WORDs, read zero-extended.
Pt ZeroExtended(Pt p) { return Pt{p.x & 0xFFFF, p.y & 0xFFFF}; }

// What the writer stores for a record read from `s`: the current version, coordinates of
// version 0 zero-extended (and no hatch), the brush style and flags folded to 0 or 1, rows
// the record lacks at their defaults.
FormationLayout AsRewritten(FormationLayout s) {
  if (s.version == 0) {
    for (int* c : {&s.rect[0], &s.rect[1], &s.rect[2], &s.rect[3], &s.penStyle}) *c &= 0xFFFF;
    for (Pt* p : {&s.pivot, &s.arcStartPt, &s.arcEndPt, &s.penWidth}) *p = ZeroExtended(*p);
    for (Pt& p : s.points) p = ZeroExtended(p);
    s.brushHatch = 0;
  }
  if (s.nAlloc == 0) s.nPoints = std::min(s.nPoints, 0);
  s.brushStyle = s.brushStyle != 0;
  s.point = s.version >= 2 && s.point != 0;
  s.fill = s.version >= 3 && s.fill != 0;
  s.arrow = s.version >= 4 && s.arrow != 0;
  if (s.version < 5) s.curveRepeat = 1;
  s.version = 5;
  return s;
}

template <class Record>
std::vector<std::uint8_t> Written(Record& record) {
  CArchive ar;
  record.Serialize(ar);
  return ar.Bytes();
}

}  // namespace

void Apply(const FormationLayout& s, CFormation& f) {
  f.m_strName = s.name;
  f.m_strNote = s.note;
  f.m_nShape = s.shape;
  f.m_bSpread = s.spread;
  f.m_bScaleToFit = s.scaleToFit;
  f.m_bScaleToInterval = s.scaleToInterval;
  f.m_nStep = s.step;
  f.m_nEndStep = s.endStep;
  f.m_nNumber = s.number;
  f.m_nExtra = s.extra;
  f.ResizeSlots(s.places);
  f.m_nSpare = s.spare;
  f.m_rcBase = CRect{s.rect[0], s.rect[1], s.rect[2], s.rect[3]};
  f.m_ptPivot = f.m_ptPivotSaved = ToPoint(s.pivot);
  f.m_dInterval = s.interval;
  f.m_dRotation = s.rotation;
  f.m_dArcStart = s.arcStart;
  f.m_dArcEnd = s.arcEnd;
  f.m_ptArcStart = ToPoint(s.arcStartPt);
  f.m_ptArcEnd = ToPoint(s.arcEndPt);
  f.m_dSkew = s.skew;
  f.m_bReverse = s.reverse;
  f.m_bBlock = s.block;
  f.m_nRows = s.rows;
  f.m_logpen = LOGPEN{s.penStyle, ToPoint(s.penWidth), s.penColor};
  f.m_logbrush = LOGBRUSH{s.brushStyle, s.brushColor, s.brushHatch};
  f.m_nPoints = s.nPoints;
  f.m_nAllocPoints = s.nAlloc;
  f.m_pPoints.clear();
  for (const Pt& p : s.points) f.m_pPoints.push_back(ToPoint(p));
  f.m_bPoint = s.point;
  f.m_bFill = s.fill;
  f.m_bArrow = s.arrow;
  f.m_nCurveRepeat = s.curveRepeat;
}

std::unique_ptr<CPerson> MakePerson(const PersonLayout& s) {
  auto p = std::make_unique<CPerson>();
  Apply(s.base, *p);
  p->m_ptPosition = ToPoint(s.position);
  p->m_nGroup = s.group;
  p->SetHeight(s.height);
  return p;
}

std::unique_ptr<CPlace> MakePlace(const PlaceLayout& s) {
  auto p = std::make_unique<CPlace>();
  p->m_nStep = s.step;
  p->m_nMarchMode = s.march;
  p->m_bAnchor = s.anchor;
  p->m_bReverse = s.reverse;
  p->m_bClockwise = s.cw;
  p->m_bEndClockwise = s.endCw;
  p->m_bStartClockwise = s.startCw;
  p->m_nFormationID = s.formationId;
  p->m_nSlot = s.slot;
  p->m_nWaitBefore = s.waitBefore;
  p->m_nWaitAfter = s.waitAfter;
  p->m_ptSpot = ToPoint(s.spot);
  p->m_bFlex = s.flex;
  p->m_bSimple = s.simple;
  return p;
}

std::unique_ptr<CStepInst> MakeStepInst(const StepInstLayout& s) {
  auto i = std::make_unique<CStepInst>();
  i->m_nCount = s.count;
  i->m_bTowardStands = s.towardStands;
  i->m_bAwayFromStands = s.awayFromStands;
  i->m_bTowardRight = s.towardRight;
  i->m_bTowardLeft = s.towardLeft;
  i->m_nSteps = s.steps;
  i->m_dStepSize = s.stepSize;
  return i;
}

// The writer is checked against hand-built bytes, so what it writes back shows what was read.
void ExpectRead(const FormationLayout& s, CFormation& f) {
  EXPECT_EQ(f.m_nVersion, s.version);
  EXPECT_EQ(f.m_ppPlaces.size(), static_cast<size_t>(s.places));
  EXPECT_EQ(f.m_ptPivotSaved, f.m_ptPivot);
  EXPECT_EQ(Written(f), FormationData(AsRewritten(s)).v);
}

void ExpectRead(const PlaceLayout& s, CPlace& p) {
  PlaceLayout w = s;
  if (s.version == 0) w.spot = ZeroExtended(s.spot);
  w.flex = s.version >= 2 && s.flex != 0;
  w.simple = s.version < 3 || s.simple != 0;
  w.version = 3;
  EXPECT_EQ(Written(p), PlaceData(w).v);
}

}  // namespace px::test
