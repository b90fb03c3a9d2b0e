// Fill-mode spots of ordinary formations, compared with the spots recorded in
// tests/data/fill_spots.txt (one line per case, every slot as "x,y").
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/support/shows.h"

namespace px {
namespace {

struct FillCase {
  int kind;
  CRect rect;           // the defining rectangle (polygons: their bounds come from `points`)
  std::vector<CPoint> points;
  double interval;
  int slots;
  double rotation;      // radians, about the formation's pivot
  double skew;
  bool reverse;
};

const std::vector<CPoint> kStar = {{400, 0}, {500, 300}, {800, 300}, {550, 500}, {650, 800},
                                   {400, 600}, {150, 800}, {250, 500}, {0, 300}, {300, 300}};
const std::vector<CPoint> kBowtie = {{0, 0}, {600, 400}, {600, 0}, {0, 400}};  // crosses itself
const std::vector<CPoint> kDiamond = {{300, 0}, {600, 300}, {300, 600}, {0, 300}};

const FillCase kCases[] = {
    {SHAPE_RECTANGLE, {0, 0, 180, 180}, {}, 0.0, 5, 0.0, 0.0, false},
    {SHAPE_RECTANGLE, {1000, 1000, 1900, 1450}, {}, 90.0, 40, 0.0, 0.0, false},
    {SHAPE_RECTANGLE, {1900, 1450, 1000, 1000}, {}, 90.0, 70, 0.0, 0.0, true},
    {SHAPE_RECTANGLE, {2000, 2000, 2360, 2270}, {}, 45.5, 30, 0.5, 0.0, false},
    {SHAPE_RECTANGLE, {500, 3000, 1400, 3400}, {}, 90.0, 25, 0.0, 0.3, false},
    {SHAPE_RECTANGLE, {3000, 1000, 3200, 1100}, {}, 90.0, 12, 1.2, 0.1, false},
    {SHAPE_ELLIPSE, {1000, 1000, 1720, 1540}, {}, 90.0, 30, 0.0, 0.0, false},
    {SHAPE_ELLIPSE, {4000, 2000, 4900, 2450}, {}, 60.0, 80, 0.0, 0.0, false},
    {SHAPE_ELLIPSE, {2000, 500, 2600, 1100}, {}, 90.0, 24, 2.0, 0.0, true},
    {SHAPE_ELLIPSE, {100, 100, 190, 190}, {}, 90.0, 6, 0.0, 0.0, false},
    {SHAPE_ARC, {1000, 1000, 1900, 1900}, {}, 90.0, 30, 0.0, 0.0, false},
    {SHAPE_ARC, {3000, 500, 3800, 1100}, {}, 60.0, 20, 0.8, 0.2, false},
    {SHAPE_POLYGON, {}, kStar, 90.0, 20, 0.0, 0.0, false},
    {SHAPE_CLOSED_POLYGON, {}, kStar, 50.0, 60, 0.0, 0.0, false},
    {SHAPE_CLOSED_POLYGON, {}, kStar, 90.0, 15, 3.0, 0.0, false},
    {SHAPE_CLOSED_POLYGON, {}, kBowtie, 100.0, 20, 0.0, 0.0, false},
    {SHAPE_POLYGON, {}, kBowtie, 75.0, 30, 0.0, 0.4, false},
    {SHAPE_CLOSED_POLYGON, {}, kDiamond, 100.0, 30, 0.0, 0.0, false},
    {SHAPE_CLOSED_POLYGON, {}, kDiamond, 22.0, 200, 0.3, 0.0, false},
    {SHAPE_CURVE, {}, kDiamond, 90.0, 16, 0.0, 0.0, false},
    {SHAPE_CURVE, {}, kStar, 70.0, 40, 1.0, 0.0, false},
};

// Every slot's spot, asked slot by slot as marching asks for them, as one line of the data file.
std::string SpotsLine(const FillCase& c) {
  CPxDoc doc;
  CFormation* f = c.points.empty() ? test::AddRectShape(doc, c.kind, c.rect) : test::AddPolyShape(doc, c.kind, c.points);
  f->m_bReverse = c.reverse;
  f->RecalcOutline();
  f->m_bFill = 1;
  f->m_dInterval = c.interval;
  f->m_dRotation = c.rotation;
  f->m_dSkew = c.skew;
  test::PutPeopleOn(doc, f, c.slots);
  std::ostringstream line;
  for (int slot = 0; slot < c.slots; ++slot) {
    const CPoint p = test::Spot(f, slot);
    line << (slot ? " " : "") << p.x << "," << p.y;
  }
  return line.str();
}

TEST(FillSpots, OrdinaryFormationsKeepTheirRecordedSpots) {
  std::ifstream recorded(PYXARO_SOURCE_DIR "/tests/data/fill_spots.txt");
  ASSERT_TRUE(recorded.is_open());
  std::string expected;
  size_t i = 0;
  for (; std::getline(recorded, expected) && i < std::size(kCases); ++i)
    EXPECT_EQ(SpotsLine(kCases[i]), expected) << "case " << i;
  EXPECT_EQ(i, std::size(kCases)) << "one recorded line per case";
}

}  // namespace
}  // namespace px
