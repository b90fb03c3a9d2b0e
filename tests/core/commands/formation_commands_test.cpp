#include <gtest/gtest.h>

#include <cmath>

#include "core/commands/align_dialog.h"
#include "core/support/command_harness.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::Points;

// A regular polygon of `count` vertices around (3000, 2000).
Points Ring(int count) {
  Points points;
  for (int i = 0; i < count; ++i) {
    const double a = 2.0 * PI * i / count;
    points.push_back(CPoint{3000 + static_cast<int>(1000 * std::cos(a)), 2000 + static_cast<int>(1000 * std::sin(a))});
  }
  return points;
}

// Everything a flip touches, for comparing before and after.
struct Shape {
  CRect base;
  Points vertices, outline;
  CPoint pivot;
  double rotation, skew, arcStart, arcEnd;
  int reverse;
  bool operator==(const Shape&) const = default;
};
Shape ShapeOf(const CFormation& f) {
  return {f.m_rcBase, Points(f.m_pPoints.begin(), f.m_pPoints.begin() + f.m_nPoints), f.m_pOutline, f.m_ptPivot,
          f.m_dRotation, f.m_dSkew, f.m_dArcStart, f.m_dArcEnd, f.m_bReverse};
}

class FormationCommands : public ::testing::Test, public test::CommandHarness {
 protected:
  CFormation* Tilted(int kind, CRect rect, double arcStart = 0.0, double arcEnd = PI) {
    CFormation* f = AddRectShape(doc, kind, rect);
    f->m_dArcStart = arcStart;
    f->m_dArcEnd = arcEnd;
    f->m_dRotation = 0.4;
    f->m_dSkew = 0.3;
    f->m_ptPivot = f->m_ptPivotSaved = CPoint{rect.left, rect.top};
    f->RecalcOutline();
    return f;
  }
};

TEST_F(FormationCommands, FlipTwiceRestoresEveryShapeExactly) {
  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{1000, 1000}, {1700, 1300}, {1200, 1900}});
  CFormation* arc = Tilted(SHAPE_ARC, CRect{3000, 1000, 3800, 1600}, 0.5);
  Select({poly, Tilted(SHAPE_RECTANGLE, CRect{2000, 2000, 2600, 2300}), arc,
          Tilted(SHAPE_LINE, CRect{5000, 3000, 5400, 3300})});
  for (const char* command : {"Flip Horizontal", "Flip Vertical"}) {
    std::vector<Shape> before;
    for (const CFormation* f : doc.m_selection.formations) before.push_back(ShapeOf(*f));
    RunCommand(command);
    // Once: the polygon's vertices mirror across its rectangle.
    EXPECT_NE(ShapeOf(*poly), before[0]) << command;
    EXPECT_EQ(poly->m_rcBase, before[0].base) << command;
    for (size_t i = 0; i < before[0].vertices.size(); ++i) {
      const CPoint v = before[0].vertices[i], w = poly->m_pPoints[i];
      EXPECT_EQ(command[5] == 'H' ? CPoint(2700 - v.x, v.y) : CPoint(v.x, 2900 - v.y), w) << command << i;
    }
    RunCommand(command);
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(ShapeOf(*doc.m_selection.formations[i]), before[i]) << command << i;
  }
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(FormationCommands, MirrorAddsFlippedClonesAcrossTheFieldMiddle) {
  struct Case {
    const char* axis;
    bool deleteOriginal;
  };
  for (const Case c : {Case{"Horizontal", false}, Case{"Vertical", true}, Case{"Both", false}}) {
    SCOPED_TRACE(c.axis);
    doc.m_formations.clear();
    CFormation* arc = Tilted(SHAPE_ARC, CRect{1000, 1000, 1800, 1600}, 0.5, 2.0);
    CFormation* skewedPoly = AddPolyShape(doc, SHAPE_CLOSED_POLYGON, Ring(5));
    skewedPoly->m_dSkew = 0.25;
    skewedPoly->RecalcOutline();
    Select({arc, skewedPoly});
    const CRect arcBounds = arc->FieldBounds(), polyBounds = skewedPoly->FieldBounds();
    RunCommand("Mirror Formations...", {{{{c.axis, "true"}, {"Delete Original", c.deleteOriginal ? "1" : "0"}}}});
    ASSERT_EQ(doc.m_formations.size(), c.deleteOriginal ? 2u : 4u);
    const CFormation& arcCopy = *doc.m_formations[doc.m_formations.size() - 2];
    const CFormation& polyCopy = *doc.m_formations.back();
    const bool x = c.axis[0] != 'V', y = c.axis[0] != 'H';
    // The field's middle is (4320, 2250): each copy's drawn extent is the mirror image.
    for (const auto& [copy, was] : {std::pair{&arcCopy, arcBounds}, std::pair{&polyCopy, polyBounds}}) {
      const CRect b = copy->FieldBounds();
      EXPECT_NEAR(b.left, x ? 8640 - was.right : was.left, 2);
      EXPECT_NEAR(b.right, x ? 8640 - was.left : was.right, 2);
      EXPECT_NEAR(b.top, y ? 4500 - was.bottom : was.top, 2);
      EXPECT_NEAR(b.bottom, y ? 4500 - was.top : was.bottom, 2);
    }
    EXPECT_EQ(arcCopy.m_bReverse, x != y ? 1 : 0);
    if (x && y) {
      EXPECT_NEAR(arcCopy.m_dArcStart, 0.5 + PI, 1e-9);
      EXPECT_NEAR(arcCopy.m_dArcEnd, 2.0 + PI, 1e-9);
    }
    EXPECT_EQ(ui.m_statusTexts.back(), "");
  }
}

TEST_F(FormationCommands, ThinAndDoubleCountVerticesOrRefuseOtherKinds) {
  struct Case {
    const char* command;
    int before, after;
  };
  for (const Case c : {Case{"Thin Points", 2, 2}, Case{"Thin Points", 7, 4}, Case{"Double Points", 149, 297},
                       Case{"Double Points", 150, 150}}) {
    CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, Ring(c.before));
    const Points ring = Ring(c.before);
    Select({poly});
    RunCommand(c.command);
    ASSERT_EQ(poly->m_nPoints, c.after) << c.command << c.before;
    if (c.before == 7) {
      EXPECT_EQ(Points(poly->m_pPoints.begin(), poly->m_pPoints.begin() + 4), test::Pick(ring, {0, 2, 4, 6}));
    }
    if (c.after == 297) {
      // Half the difference, truncated, added to the first.
      EXPECT_EQ(poly->m_pPoints[1], (CPoint{ring[0].x + (ring[1].x - ring[0].x) / 2, ring[0].y + (ring[1].y - ring[0].y) / 2}));
    }
  }
  EXPECT_TRUE(ui.m_messages.empty());
  Select({AddRectShape(doc, SHAPE_ELLIPSE, CRect{100, 100, 900, 900})});
  RunCommand("Thin Points");
  RunCommand("Double Points");
  const std::vector<std::pair<std::string, std::string>> refusals{
      {"This command only works on Polygons or Curves.", "Thin Points"},
      {"This command only works on Polygons or Curves.", "Double Points"}};
  EXPECT_EQ(ui.Shown(), refusals);
}

TEST_F(FormationCommands, PropertiesAskOnceForSeveralAndApplyTheSameValuesToAll) {
  Select({AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1400, 1200}),
          AddRectShape(doc, SHAPE_ELLIPSE, CRect{2000, 1000, 2600, 1300}),
          AddPolyShape(doc, SHAPE_POLYGON, Ring(5))});
  ui.AnswerYesNo(true);
  RunCommand("Formation Properties...", {{{{"m_strName", "Trio"}, {"m_nStep", "8"}, {"m_dRotation", "90"},
                                     {"m_nShape", "1"}, {"Width", "100"}}}});
  ASSERT_EQ(ui.m_messages.size(), 1u);
  EXPECT_EQ(ui.m_messages[0].text, "These properties will apply to ALL selected formations.  Continue?");
  EXPECT_EQ(ui.m_messages[0].caption, "Formation Properties");
  ASSERT_EQ(doc.m_formations.size(), 3u);
  for (const auto& f : doc.m_formations) {
    EXPECT_EQ(f->m_strName, "Trio");
    EXPECT_EQ(f->m_nStep, 8);
    EXPECT_EQ(f->m_nShape, SHAPE_ELLIPSE);
    EXPECT_DOUBLE_EQ(f->m_dRotation, PI / 2);
    EXPECT_EQ(std::abs(f->m_rcBase.right - f->m_rcBase.left), 200);
  }
  EXPECT_TRUE(doc.m_selection.formations.empty());

  // No leaves everything as it was; with nothing selected there is only the message.
  Select({doc.m_formations[0].get(), doc.m_formations[1].get()});
  ui.AnswerYesNo(false);
  RunCommand("Formation Properties...", {{{{"m_strName", "Duo"}}}});
  Select({});
  RunCommand("Formation Properties...");
  EXPECT_EQ(ui.m_messages.back().text, "To use this command, first select one or more formations.");
  for (const auto& f : doc.m_formations) EXPECT_EQ(f->m_strName, "Trio");
}

TEST_F(FormationCommands, EachAlignChoiceMovesTheFormationsWhereItSays) {
  // The field is (720, 360) to (7920, 4140); its middle across is 4320, down 2250.
  struct Case {
    const char* control;
    CRect a, b;  // the two rectangles' field bounds afterwards
  };
  const CRect a0{1000, 1000, 1400, 1200}, b0{2000, 1500, 2600, 1800};
  const Case cases[] = {
      {"To Each Other Left", a0, {1000, 1500, 1600, 1800}},
      {"To Each Other Right", {2200, 1000, 2600, 1200}, b0},
      {"To Each Other Top", a0, {2000, 1000, 2600, 1300}},
      {"To Each Other Bottom", {1000, 1600, 1400, 1800}, b0},
      {"To Field Left", {720, 1000, 1120, 1200}, {720, 1500, 1320, 1800}},
      {"To Field Right", {7520, 1000, 7920, 1200}, {7320, 1500, 7920, 1800}},
      {"To Field Top", {1000, 360, 1400, 560}, {2000, 360, 2600, 660}},
      {"To Field Bottom", {1000, 3940, 1400, 4140}, {2000, 3840, 2600, 4140}},
      {"Vertical", {1000, 2150, 1400, 2350}, {2000, 2100, 2600, 2400}},
      {"Horizontal", {4120, 1000, 4520, 1200}, {4020, 1500, 4620, 1800}},
      {"Both", {4120, 2150, 4520, 2350}, {4020, 2100, 4620, 2400}},
  };
  for (const Case& c : cases) {
    doc.m_formations.clear();
    Select({AddRectShape(doc, SHAPE_RECTANGLE, a0), AddRectShape(doc, SHAPE_RECTANGLE, b0)});
    RunCommand("Align Selected Formations...", {{{{c.control, "1"}}}});
    EXPECT_EQ(doc.m_formations[0]->FieldBounds(), c.a) << c.control;
    EXPECT_EQ(doc.m_formations[1]->FieldBounds(), c.b) << c.control;
  }
  EXPECT_TRUE(ui.m_messages.empty());
}

TEST_F(FormationCommands, AlignPivotsAndStraightenLinesKeepTheDrawnShapes) {
  CFormation* box = Tilted(SHAPE_RECTANGLE, CRect{1000, 1000, 1400, 1200});
  CFormation* other = Tilted(SHAPE_ELLIPSE, CRect{3000, 2000, 3600, 2400});
  const CRect drawn = other->FieldBounds();
  Select({box, other});
  RunCommand("Align Selected Formations...", {{{{"Pivot Points", "1"}}}});
  EXPECT_EQ(other->m_ptPivot, box->m_ptPivot);
  EXPECT_NEAR(other->FieldBounds().left, drawn.left, 1);
  EXPECT_NEAR(other->FieldBounds().bottom, drawn.bottom, 1);

  // A line keeps its first end (1000, 1000) and its drawn length, and heads the way its other
  // end lay: skewed by 0.2, 300 across and 400 down draws 300 by 460, 549 long. Other kinds
  // stay as they are.
  struct Case {
    const char* control;
    CRect line, expected;
  };
  for (const Case& c : {Case{"Make Vertical", {1000, 1000, 1300, 1400}, {1000, 1000, 1000, 1549}},
                        Case{"Make Horizontal", {1000, 1000, 1300, 1400}, {1000, 1000, 1549, 1000}},
                        Case{"Make Horizontal", {1000, 1000, 700, 600}, {1000, 1000, 547, 1000}}}) {
    CFormation* line = AddRectShape(doc, SHAPE_LINE, c.line);
    line->m_dSkew = 0.2;
    const CRect boxBase = box->m_rcBase;
    Select({line, box});
    RunCommand("Align Selected Formations...", {{{{c.control, "1"}}}});
    EXPECT_EQ(line->m_rcBase, c.expected) << c.control;
    EXPECT_EQ(line->m_dRotation, 0.0);
    EXPECT_EQ(line->m_dSkew, 0.0);
    EXPECT_EQ(box->m_rcBase, boxBase);
  }
}

}  // namespace
}  // namespace px
