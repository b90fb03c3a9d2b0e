// The pointer tools driven as a view drives them: mouse events in field units on a 2D view
// whose 1600-pixel width shows the 8640-unit field, checked by what they leave in the show.
#include <gtest/gtest.h>

#include <cmath>

#include "core/commands/command_registry.h"
#include "core/model/place.h"
#include "core/support/shows.h"
#include "core/tools/pointer_tools.h"
#include "core/ui/scripted_dialog_host.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::PutPeopleOn;

class FakeToolView : public ToolView {
 public:
  void InvalidateFormation(const CFormation&) override {}
  void SetWaitCursor(bool) override {}
  bool Is3D() const override { return false; }
  CRect FieldRect() const override { return CRect{720, 360, 7920, 4140}; }
  int& PasteCount() override { return pasteCount; }
  double PixelsPerFieldUnit() const override { return 1600.0 / 8640.0; }
  void SetToolCursor(ToolCursor c) override { cursor = c; }
  void ShowRubberBand(const std::optional<CRect>& b) override { band = b; }
  void EditProperties() override { ++propertiesShown; }
  bool SelectTool(const std::string& text) override { return tools && tools->SelectTool(text); }
  bool IsCurrentTool(const std::string& text) const override { return tools && tools->IsCurrent(text); }

  PointerTools* tools = nullptr;
  int pasteCount = 0;
  ToolCursor cursor = ToolCursor::Arrow;
  std::optional<CRect> band;
  int propertiesShown = 0;
};

// One mouse event: 'd'own, 'm'ove with the button, 'h'over (move without it), 'u'p, 'c' double click.
struct Event {
  char kind;
  int x, y;
};

struct PointerToolsTest : ::testing::Test {
  CPxDoc doc;
  test::ScriptedUi ui;
  FakeToolView view;
  PointerTools tools{doc, ui, view};

  PointerToolsTest() { view.tools = &tools; }

  void Run(const std::string& tool, std::initializer_list<Event> events, Keys keys = {}) {
    ASSERT_TRUE(tools.SelectTool(tool)) << tool;
    Play(events, keys);
  }
  void Play(std::initializer_list<Event> events, Keys keys = {}) {
    for (const Event& e : events) {
      const CPoint p{e.x, e.y};
      Keys k = keys;
      k.button = e.kind == 'm';
      switch (e.kind) {
        case 'd': tools.ButtonDown(p, k); break;
        case 'm':
        case 'h': tools.Move(p, k); break;
        case 'u': tools.ButtonUp(p, k); break;
        case 'c': tools.DoubleClick(p, k); break;
      }
    }
  }
  // A drag from `from` to `to` in moves of `step` units.
  void Drag(CPoint from, CPoint to, Keys keys = {}, int steps = 10) {
    tools.ButtonDown(from, keys);
    Keys held = keys;
    held.button = true;
    for (int i = 1; i <= steps; ++i)
      tools.Move(CPoint{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, held);
    tools.ButtonUp(to, keys);
  }
  CFormation* Last() { return doc.m_formations.back().get(); }
  std::vector<CPoint> Vertices(const CFormation* f) {
    return {f->m_pPoints.begin(), f->m_pPoints.begin() + f->m_nPoints};
  }
};

TEST_F(PointerToolsTest, RectangleToolsDrawTheirKindAndStayCurrent) {
  const struct {
    const char* tool;
    int kind;
  } cases[] = {{"Line", SHAPE_LINE}, {"Rectangle", SHAPE_RECTANGLE}, {"Ellipse", SHAPE_ELLIPSE}, {"Arc", SHAPE_ARC}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tool);
    const size_t before = doc.m_formations.size();
    ASSERT_TRUE(tools.SelectTool(c.tool));
    // The first corner is dragged; the second stays where the button went down.
    Drag(CPoint{2000, 2000}, CPoint{1500, 1600});
    ASSERT_EQ(doc.m_formations.size(), before + 1);
    const CFormation* drawn = Last();
    EXPECT_EQ(drawn->m_nShape, c.kind);
    EXPECT_EQ(NormalizedRect(drawn->m_rcBase), (CRect{1500, 1600, 2000, 2000}));
    EXPECT_EQ(doc.m_selection.formations, std::vector<CFormation*>{Last()});
    EXPECT_TRUE(tools.IsCurrent(c.tool));
  }
}

TEST_F(PointerToolsTest, ShortDrawingDragsAreClicksThatSelect) {
  CFormation* existing = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 3000, 3000});
  // 100 units are 18.5 pixels on this screen: under the 20 that make a drawing.
  Run("Rectangle", {{'d', 1000, 2000}, {'m', 1050, 2050}, {'u', 1050, 2050}});
  EXPECT_EQ(doc.m_formations.size(), 1u);
  EXPECT_EQ(doc.m_selection.formations, std::vector<CFormation*>{existing});
  EXPECT_TRUE(tools.IsCurrent("Rectangle"));
  // 110 units are 20.4 pixels: a rectangle.
  Play({{'d', 4000, 2000}, {'m', 4060, 2050}, {'u', 4060, 2050}});
  EXPECT_EQ(doc.m_formations.size(), 2u);
}

TEST_F(PointerToolsTest, APointIsA96UnitLineWhoseHandlesCannotBeGrabbed) {
  Run("Point", {{'d', 3000, 2000}, {'u', 3000, 2000}});
  ASSERT_EQ(doc.m_formations.size(), 1u);
  CFormation* point = Last();
  EXPECT_EQ(point->m_nShape, SHAPE_LINE);
  EXPECT_TRUE(point->m_bPoint);
  EXPECT_NEAR(point->m_dLength, 96.0, 0.5);
  EXPECT_EQ(point->HitTest(point->GetHandle(1), true), 0);
  EXPECT_TRUE(tools.IsCurrent("Point"));
  EXPECT_FALSE(tools.IsCurrent("Line"));
}

TEST_F(PointerToolsTest, ClickedPolygonsDropTheVertexTheDoubleClickAdded) {
  const struct {
    const char* tool;
    int kind;
  } cases[] = {{"Polygon", SHAPE_POLYGON}, {"Closed Polygon", SHAPE_CLOSED_POLYGON}, {"Curve", SHAPE_CURVE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tool);
    doc.m_formations.clear();
    Run(c.tool, {{'d', 1000, 1000}, {'u', 1000, 1000}, {'h', 1500, 1000}, {'d', 1500, 1000}, {'u', 1500, 1000},
                 {'d', 1500, 1600}, {'u', 1500, 1600}, {'c', 1500, 1600}, {'u', 1500, 1600}});
    ASSERT_EQ(doc.m_formations.size(), 1u);
    EXPECT_EQ(Last()->m_nShape, c.kind);
    // The third click came without a move before it: its vertex is still where it went down.
    EXPECT_EQ(Vertices(Last()), (std::vector<CPoint>{{1000, 1000}, {1500, 1000}, {1500, 1600}}));
    EXPECT_EQ(tools.PolygonInProgress(), nullptr);
  }
}

TEST_F(PointerToolsTest, DrawingsThatUndoTookAwayAreDropped) {
  // Undo replaces the show's records without telling anyone: the polygon and the dragged
  // rectangle in progress are gone, and the next events must not touch them.
  Run("Polygon", {{'d', 1000, 1000}, {'u', 1000, 1000}});
  doc.m_formations.clear();
  Play({{'h', 1500, 1000}, {'d', 1500, 1000}, {'u', 1500, 1000}, {'c', 1500, 1000}});
  EXPECT_EQ(tools.PolygonInProgress(), nullptr);
  Run("Rectangle", {{'d', 1000, 1000}, {'m', 1500, 1500}});
  doc.m_formations.clear();
  Play({{'m', 1600, 1600}, {'u', 1600, 1600}});
  EXPECT_EQ(tools.DraggedFormation(), nullptr);
}

TEST_F(PointerToolsTest, FreehandAddsAVertexAbout80UnitsApart) {
  ASSERT_TRUE(tools.SelectTool("Curve"));
  Drag(CPoint{1000, 1000}, CPoint{2600, 1000}, {}, 160);
  tools.DoubleClick(CPoint{2600, 1000}, {});
  const std::vector<CPoint> vertices = Vertices(Last());
  // 1600 units in steps of 10: a vertex each time the pointer is more than 80 from the last.
  EXPECT_GE(vertices.size(), 17u);
  EXPECT_LE(vertices.size(), 20u);
  for (size_t i = 1; i + 1 < vertices.size(); ++i) EXPECT_NEAR(vertices[i].x - vertices[i - 1].x, 90, 10);
}

TEST_F(PointerToolsTest, TinyPolygonsAreDiscardedAndTheClickSelects) {
  CFormation* existing = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 3000, 3000});
  Run("Polygon", {{'d', 1000, 1500}, {'u', 1000, 1500}, {'h', 1050, 1500}, {'c', 1050, 1500}});
  EXPECT_EQ(doc.m_formations.size(), 1u);
  EXPECT_EQ(doc.m_selection.formations, std::vector<CFormation*>{existing});
}

TEST_F(PointerToolsTest, SqueezedArcsOpenTo15Degrees) {
  constexpr double kDeg = PI / 180.0;
  // The start handle dragged to 5 degrees before the end (a 5-degree arc) and to 5 degrees
  // past it (a 355-degree arc): either way the ends end up 15 degrees apart.
  const struct {
    double startDeg, expectedSweepDeg;
  } cases[] = {{175.0, 15.0}, {185.0, 345.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.startDeg);
    doc.m_formations.clear();
    CFormation* arc = AddRectShape(doc, SHAPE_ARC, CRect{2000, 1000, 4000, 3000});
    doc.m_selection.formations = {arc};
    ASSERT_TRUE(tools.SelectTool("Formation Select Pointer"));
    const CPoint handle = arc->GetHandle(4);
    const CPoint target{3000 + static_cast<int>(std::lround(1000 * std::cos(c.startDeg * kDeg))),
                        2000 + static_cast<int>(std::lround(1000 * std::sin(c.startDeg * kDeg)))};
    Drag(handle, target);
    EXPECT_NEAR(NormalizeAngle(arc->m_dArcEnd - arc->m_dArcStart) / kDeg, c.expectedSweepDeg, 0.1);
  }
}

TEST_F(PointerToolsTest, SelectPointerMovesCopiesAndSelectsByBand) {
  CFormation* a = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1400, 1400});
  CFormation* b = AddRectShape(doc, SHAPE_RECTANGLE, CRect{3000, 1000, 3400, 1400});
  ASSERT_TRUE(tools.SelectTool("Formation Select Pointer"));
  Drag(CPoint{1000, 1200}, CPoint{1100, 1500});
  EXPECT_EQ(a->m_rcBase, (CRect{1100, 1300, 1500, 1700}));
  EXPECT_EQ(doc.m_selection.formations, std::vector<CFormation*>{a});
  // Shift adds; Ctrl leaves copies where the dragged formations were.
  tools.ButtonDown(CPoint{3100, 1000}, Keys{true, false, false});
  tools.ButtonUp(CPoint{3100, 1000}, Keys{true, false, false});
  EXPECT_EQ(doc.m_selection.formations, (std::vector<CFormation*>{a, b}));
  Drag(CPoint{3100, 1000}, CPoint{3100, 2000}, Keys{false, true, false});
  EXPECT_EQ(doc.m_formations.size(), 4u);
  EXPECT_EQ(b->m_rcBase, (CRect{3000, 2000, 3400, 2400}));
  EXPECT_NE(doc.FindFormation(3), nullptr);
  // A band over empty field clears the selection and picks what it meets.
  Drag(CPoint{2900, 900}, CPoint{3100, 1100});
  EXPECT_FALSE(view.band.has_value());
  ASSERT_EQ(doc.m_selection.formations.size(), 1u);
  EXPECT_EQ(doc.m_selection.formations.front()->m_rcBase, (CRect{3000, 1000, 3400, 1400}));
}

TEST_F(PointerToolsTest, SnappingPutsDrawingsAndMovedCornersOnTheGrid) {
  doc.m_dSnapDistance = 90.0;
  doc.m_bSnapOnSizeAndDraw = doc.m_bSnapOnMove = 1;
  Run("Rectangle", {{'d', 1040, 1050}, {'m', 1420, 1330}, {'u', 1420, 1330}});
  CFormation* drawn = Last();
  EXPECT_EQ(NormalizedRect(drawn->m_rcBase), (CRect{1080, 1080, 1440, 1350}));
  // Moved by (33, 17): the top-left corner lands on the nearest grid point again.
  ASSERT_TRUE(tools.SelectTool("Formation Select Pointer"));
  Drag(CPoint{1200, 1080}, CPoint{1233, 1097});
  EXPECT_EQ(NormalizedRect(drawn->m_rcBase), (CRect{1080, 1080, 1440, 1350}));
  Drag(CPoint{1200, 1080}, CPoint{1260, 1097});
  EXPECT_EQ(NormalizedRect(drawn->m_rcBase), (CRect{1170, 1080, 1530, 1350}));
}

TEST_F(PointerToolsTest, RotatePointerTurnsAboutThePivotAndMovesIt) {
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{2000, 2000, 3000, 2000});
  line->m_ptPivot = line->m_ptPivotSaved = CPoint{2500, 2000};
  auto people = PutPeopleOn(doc, line, 2);
  doc.RecalcPositions();
  Run("Rotate Pointer", {{'d', 2800, 2000}, {'u', 2800, 2000}});  // selects it
  EXPECT_EQ(doc.m_selection.formations, std::vector<CFormation*>{line});
  Drag(CPoint{2800, 2000}, CPoint{2500, 2300});  // a quarter turn
  EXPECT_NEAR(line->m_dRotation, PI / 2, 1e-9);
  EXPECT_NEAR(people[0]->m_ptPosition.x, 2500, 1);
  EXPECT_TRUE(tools.IsCurrent("Rotate Pointer"));
  // The pivot dragged elsewhere; the line stays where it is drawn.
  const std::vector<CPoint> drawn = line->FieldPoints();
  Drag(CPoint{2510, 2010}, CPoint{2500, 2500});
  EXPECT_EQ(line->m_ptPivot, (CPoint{2500, 2500}));
  const std::vector<CPoint> after = line->FieldPoints();
  ASSERT_EQ(after.size(), drawn.size());
  for (size_t i = 0; i < drawn.size(); ++i) {
    EXPECT_NEAR(after[i].x, drawn[i].x, 1);
    EXPECT_NEAR(after[i].y, drawn[i].y, 1);
  }
}

TEST_F(PointerToolsTest, SkewPointerShearsWithinTwiceTheWidth) {
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{2000, 2000, 2400, 2400});
  doc.m_selection.formations = {rect};
  Run("Skew Pointer", {{'d', 2400, 2300}, {'m', 2400, 2400}, {'m', 2400, 3400}, {'u', 2400, 3400}});
  // 100 down at 400 from the left edge: a quarter; the next 1000 is more than twice 400.
  EXPECT_DOUBLE_EQ(rect->m_dSkew, 0.25);
}

struct PeopleToolsTest : PointerToolsTest {
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{2000, 2000, 2900, 2000});
  std::vector<CPerson*> people = PutPeopleOn(doc, line, 4);
  PeopleToolsTest() {
    line->m_ptPivot = CPoint{2450, 2000};
    doc.RecalcPositions();
  }
  std::vector<int> Order() {
    std::vector<int> ids;
    for (const CPlace* place : line->m_ppPlaces) ids.push_back(place->m_pPerson->Id());
    return ids;
  }
  // A lasso box around the field rectangle.
  void Lasso(const CRect& r, Keys keys = {}) {
    Run("Lasso Pointer", {{'d', r.left, r.top}, {'u', r.left, r.top}, {'h', r.right, r.top}, {'d', r.right, r.top},
                          {'u', r.right, r.top}, {'h', r.right, r.bottom}, {'d', r.right, r.bottom},
                          {'u', r.right, r.bottom}, {'h', r.left, r.bottom}, {'d', r.left, r.bottom},
                          {'u', r.left, r.bottom}, {'c', r.left, r.bottom}},
        keys);
  }
};

TEST_F(PeopleToolsTest, LassoSelectsPeopleInsideAndShiftAdds) {
  const CPoint p0 = people[0]->m_ptPosition, p3 = people[3]->m_ptPosition;
  Lasso(CRect{p0.x - 50, p0.y - 50, p0.x + 50, p0.y + 50});
  EXPECT_EQ(doc.m_selection.people, std::vector<CPerson*>{people[0]});
  EXPECT_EQ(doc.m_formations.size(), 1u);  // the lasso is gone
  EXPECT_TRUE(doc.m_selection.formations.empty());
  EXPECT_TRUE(tools.IsCurrent("Polygon"));  // the lasso is used once
  Lasso(CRect{p3.x - 50, p3.y - 50, p3.x + 50, p3.y + 50}, Keys{true, false, false});
  EXPECT_EQ(doc.m_selection.people, (std::vector<CPerson*>{people[0], people[3]}));
  Lasso(CRect{p3.x - 50, p3.y - 50, p3.x + 50, p3.y + 50});
  EXPECT_EQ(doc.m_selection.people, std::vector<CPerson*>{people[3]});
  // A lasso too small to keep takes nobody and leaves the formation under it alone.
  Run("Lasso Pointer", {{'d', 2400, 2000}, {'u', 2400, 2000}, {'h', 2420, 2000}, {'c', 2420, 2000}});
  EXPECT_EQ(doc.m_formations.size(), 1u);
  EXPECT_EQ(doc.m_selection.people, std::vector<CPerson*>{people[3]});
}

TEST_F(PeopleToolsTest, PeopleSelectPointerSelectsButMovesNobody) {
  const CPoint p1 = people[1]->m_ptPosition, p2 = people[2]->m_ptPosition;
  ASSERT_TRUE(tools.SelectTool("People Select Pointer"));
  Drag(CPoint{p1.x - 40, p1.y - 40}, CPoint{p2.x + 40, p2.y + 40});
  EXPECT_EQ(doc.m_selection.people, (std::vector<CPerson*>{people[1], people[2]}));
  Drag(p1, CPoint{p1.x + 300, p1.y + 300});
  EXPECT_EQ(people[1]->m_ptPosition, p1);
  EXPECT_EQ(line->m_rcBase, (CRect{2000, 2000, 2900, 2000}));
  Play({{'d', p2.x, p2.y}, {'u', p2.x, p2.y}, {'c', p2.x, p2.y}}, Keys{true, false, false});
  EXPECT_EQ(doc.m_selection.people, std::vector<CPerson*>{people[1]});
  EXPECT_TRUE(tools.IsCurrent("People Select Pointer"));
}

TEST_F(PeopleToolsTest, OrderPointerPutsPeopleInClickOrder) {
  doc.m_selection.people = {people[0], people[1], people[2], people[3]};
  ASSERT_TRUE(tools.SelectTool("Order Pointer"));
  for (int i : {3, 2, 1}) {
    const CPoint at = people[static_cast<size_t>(i)]->m_ptPosition;
    Play({{'d', at.x, at.y}, {'u', at.x, at.y}});
  }
  EXPECT_EQ(Order(), (std::vector<int>{4, 3, 2, 1}));
  EXPECT_TRUE(doc.m_selection.people.empty());
  EXPECT_TRUE(tools.IsCurrent("Order Pointer"));

  // People of two formations: the tool refuses with its message.
  CFormation* other = AddRectShape(doc, SHAPE_LINE, CRect{2000, 3000, 2900, 3000});
  CPerson* elsewhere = PutPeopleOn(doc, other, 1).front();
  ASSERT_TRUE(tools.SelectTool("Formation Select Pointer"));
  doc.m_selection.people = {people[0], elsewhere};
  EXPECT_FALSE(tools.SelectTool("Order Pointer"));
  EXPECT_EQ(ui.Shown().back(), std::make_pair(std::string("To use the order person tool, all selected persons must "
                                                          "be on the same formation."),
                                              std::string("Order Person Tool")));
  EXPECT_TRUE(tools.IsCurrent("Formation Select Pointer"));
}

TEST_F(PeopleToolsTest, StatusLineNamesWhatIsUnderThePointer) {
  const CPoint at = people[1]->m_ptPosition;
  EXPECT_EQ(tools.StatusLine(at), "Step: 0  Person: 2  Formation: 1 interval: 45 inches rotated 0.00 degrees"
                                  "      1 formations, 4 people  [" +
                                      std::to_string(at.x) + ", " + std::to_string(at.y) + "]");
  doc.m_selection.formations = {line};
  line->m_dRotation = PI / 4;
  EXPECT_EQ(tools.StatusLine(CPoint{100, 100}), "Step: 0      1 formations, 4 people  [100, 100]");
  EXPECT_EQ(tools.StatusLine(CPoint{2450, 2000}),
            "Step: 0  Formation: 1 interval: 112.50 inches rotated 45.00 degrees      1 formations, 4 people  [2450, 2000]");
}

TEST_F(PointerToolsTest, ToolCommandsAreRegisteredAndChecked) {
  const CommandRegistry& registry = ShowCommands();
  ScriptedDialogHost dialogs(ui);
  for (const char* name : {"Formation Select Pointer", "People Select Pointer", "Order Pointer", "Line", "Point",
                           "Rectangle", "Ellipse", "Polygon", "Lasso Pointer", "Curve", "Closed Polygon",
                           "Rotate Pointer", "Arc", "Skew Pointer"}) {
    SCOPED_TRACE(name);
    const CommandEntry* entry = registry.Find(name);
    ASSERT_NE(entry, nullptr);
    CommandContext ctx{doc, ui, dialogs, view};
    entry->run(ctx);
    EXPECT_TRUE(entry->checked(ctx));
    EXPECT_FALSE(registry.Find(std::string(name) == "Line" ? "Point" : "Line")->checked(ctx));
  }
}

}  // namespace
}  // namespace px
