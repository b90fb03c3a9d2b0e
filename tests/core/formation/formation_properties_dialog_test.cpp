// The Formation / Prop Properties dialog model: loading, interlocks, OK checks and applying.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/formation/formation_properties_dialog.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::AddRectShape;

constexpr const char* kCaption = "Formation / Prop Properties";

// A dialog whose every check passes.
FormationPropertiesDialog ValidDialog() {
  FormationPropertiesDialog d;
  d.m_strName = "", d.m_strWidth = "100", d.m_strHeight = "50";
  return d;
}

std::string FirstRefusal(FormationPropertiesDialog& d) {
  const auto message = d.Validate();
  if (!message) return "";
  EXPECT_EQ(message->caption, kCaption);
  return message->text;
}

TEST(FormationPropertiesDialog, LoadsTheFormationsValues) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_ELLIPSE, CRect{100, 200, 300, 500});
  f->m_strName = "Circle";
  f->m_nStep = 16;
  f->m_dSkew = 0.125;
  f->m_dRotation = -PI / 2;   // normalised: 270 degrees
  f->m_dInterval = 91.0;
  f->m_nEndStep = 40;
  f->m_logbrush.lbStyle = BS_SOLID;
  test::PutPeopleOn(doc, f, 7);

  FormationPropertiesDialog d;
  d.m_nSides = 9;
  d.LoadFrom(*f);
  // Sizes in inches (200 units = 100); skew "%0.2lf" of 0.125 rounds to even; sides never load.
  EXPECT_EQ((std::vector<std::string>{d.m_strName, d.m_strWidth, d.m_strHeight, d.m_strSkew, d.m_strRotated,
                                      d.m_strInterval, d.m_strNumber, d.m_strStar}),
            (std::vector<std::string>{"Circle", "100", "150", "0.12", "270", "45.50", "7", "0.0"}));
  EXPECT_EQ((std::vector<int>{d.m_nCount, d.m_nSides, d.m_nEndStep, d.m_bPropFill, d.m_bPeopleFillEnabled}),
            (std::vector<int>{16, 0, 40, 1, 1}));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 0, 100, 0});
  d.LoadFrom(*line);  // the last one loaded wins
  EXPECT_EQ(d.m_nShape, SHAPE_LINE);
  EXPECT_FALSE(d.m_bPeopleFillEnabled);
}

// Every field wrong at first; each step mends what the last message named, so the checks
// come out in their order.
TEST(FormationPropertiesDialog, ChecksInOrderWithTheirTexts) {
  FormationPropertiesDialog d;
  d.m_strName = "", d.m_nCount = -1, d.m_strWidth = "5", d.m_strHeight = "5", d.m_bBlock = true, d.m_nRows = 1,
      d.m_nSides = 2, d.m_strStar = "5", d.m_strSkew = "4.5", d.m_strRotated = "400", d.m_strInterval = "5",
      d.m_bSpread = false, d.m_nEndStep = -1;
  const char* const sides = "Number of sides must either be 0, or between 3 and 50.";
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, sides},
      {[&] { d.m_nSides = 51; }, sides},
      {[&] { d.m_nSides = 5; }, "Star factor must either be 0, or between 0.2 and 4.0"},
      {[&] { d.m_strStar = "0.0"; }, "Step count must not be less than 0."},
      {[&] { d.m_nCount = 0; }, "End Step must not be less than 0."},
      {[&] { d.m_nEndStep = 0; }, "Block rows must not be less than 2."},
      {[&] { d.m_nRows = 51; }, "Block rows must not be greater than 50."},
      {[&] { d.m_nRows = 50; }, "Interval must be at least 12 inches."},
      {[&] { d.m_strInterval = "12"; }, "The width and / or height must exceed 12 inches."},
      {[&] { d.m_strHeight = "20"; }, "Skew must be between 4.0 and -4.0."},  // one of them is enough
      {[&] { d.m_strSkew = "-4.0"; }, "Degrees must be less than 360."},
      {[&] { d.m_strRotated = "360"; }, "Degrees must be less than 360."},
      {[&] { d.m_strRotated = "359"; }, ""},
      {[&] { d.m_strRotated = "-10"; }, ""},
  };
  for (const auto& [mend, text] : steps) {
    mend();
    EXPECT_EQ(FirstRefusal(d), text);
  }
}

TEST(FormationPropertiesDialog, StarFactorBoundsAreInclusiveAndOnlyCheckedWithSides) {
  FormationPropertiesDialog d = ValidDialog();
  for (auto [sides, star, refused] : {std::tuple{5, "0.2", false}, {5, "4.0", false}, {5, "0.19", true},
                                      {5, "4.01", true}, {0, "9", false}}) {
    d.m_nSides = sides;
    d.m_strStar = star;
    EXPECT_EQ(FirstRefusal(d).empty(), !refused) << star;
  }
}

TEST(FormationPropertiesDialog, SilentCorrectionsOnOk) {
  FormationPropertiesDialog d = ValidDialog();
  d.m_bPeopleFill = true, d.m_bScaleToFit = true, d.m_strInterval = "11.5", d.m_nCount = 20, d.m_nEndStep = 10,
      d.m_nShape = SHAPE_LINE, d.m_bPropFill = true;
  EXPECT_EQ(FirstRefusal(d), "");
  // Fill turns Scale To Fit off and a small interval to 90; the end step below Count is
  // dropped; a line cannot be filled.
  EXPECT_EQ(d.m_strInterval, "90");
  EXPECT_EQ((std::vector<int>{d.m_bScaleToFit, d.m_nEndStep, d.m_bPropFill}), (std::vector<int>{0, 0, 0}));

  d.m_nShape = SHAPE_ELLIPSE, d.m_bPropFill = true;
  EXPECT_EQ(FirstRefusal(d), "");
  EXPECT_TRUE(d.m_bPropFill);
  d.m_bBlock = true, d.m_nRows = 3;
  EXPECT_EQ(FirstRefusal(d), "");
  EXPECT_FALSE(d.m_bPropFill);    // nor a block
}

TEST(FormationPropertiesDialog, ControlInterlocks) {
  FormationPropertiesDialog d = ValidDialog();
  // The count buttons stop at 0; so do the end step's.
  d.m_nCount = 8;
  std::vector<int> counts;
  for (auto button : {&FormationPropertiesDialog::CountMinus8, &FormationPropertiesDialog::CountMinus,
                      &FormationPropertiesDialog::CountPlus8, &FormationPropertiesDialog::CountPlus, &FormationPropertiesDialog::CountMinus8}) {
    (d.*button)();
    counts.push_back(d.m_nCount);
  }
  EXPECT_EQ(counts, (std::vector<int>{0, 0, 8, 9, 1}));
  d.SpinEndStep(-1);
  EXPECT_EQ(d.m_nEndStep, 0);
  // Rotation wraps between 360 and 0 both ways.
  d.m_strRotated = "360";
  std::vector<std::string> rotations;
  for (int spin : {+1, -1, -1}) {
    d.SpinRotated(spin);
    rotations.push_back(d.m_strRotated);
  }
  d.Unrotate();
  rotations.push_back(d.m_strRotated);
  EXPECT_EQ(rotations, (std::vector<std::string>{"0", "360", "359", "0"}));

  d.SetScaleToFit(true);
  d.SetScaleToInterval(true);
  EXPECT_FALSE(d.m_bScaleToFit);
  d.SetCornerPivot(true);
  d.SetCenterPivot(true);
  EXPECT_FALSE(d.m_bCornerPivot);

  d.m_nShape = SHAPE_ELLIPSE, d.m_nRows = 1, d.m_nSides = 6;
  d.SetBlock(true);
  EXPECT_EQ((std::vector<int>{d.m_nShape, d.m_nRows, d.m_nSides}), (std::vector<int>{SHAPE_RECTANGLE, 4, 0}));
  d.TypeSides(5);
  EXPECT_EQ((std::vector<int>{d.m_nShape, d.m_bBlock, d.m_nRows}), (std::vector<int>{SHAPE_CLOSED_POLYGON, 0, 0}));
  d.m_strStar = "0.5";
  d.ChooseShape(SHAPE_CLOSED_POLYGON);
  EXPECT_EQ(d.m_nSides, 5);       // Closed Polygon keeps the sides
  d.m_bPeopleFill = true;
  d.ChooseShape(SHAPE_LINE);
  EXPECT_EQ(d.m_strStar, "0.0");
  EXPECT_EQ((std::vector<int>{d.m_nSides, d.m_bPeopleFill, d.m_bPeopleFillEnabled}), (std::vector<int>{0, 0, 0}));
  d.ChooseShape(SHAPE_CURVE);
  EXPECT_TRUE(d.m_bPeopleFillEnabled);
}

TEST(FormationPropertiesDialog, AppliesSizesWithTheirCaps) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1200, 1100});
  FormationPropertiesDialog d;
  d.LoadFrom(*f);
  d.m_strWidth = "3700";   // 7400 field units, capped at 7200
  d.m_strHeight = "2000";  // 4000, capped at 3800
  d.ApplyTo(*f);
  EXPECT_EQ(f->m_rcBase, (CRect{1000, 1000, 8200, 4800}));

  // A rectangle drawn right to left keeps growing to the left of its left edge.
  CFormation* g = AddRectShape(doc, SHAPE_RECTANGLE, CRect{3000, 1000, 2000, 1500});
  d.LoadFrom(*g);
  d.m_strWidth = "250";
  d.ApplyTo(*g);
  EXPECT_EQ(g->m_rcBase, (CRect{3000, 1000, 2500, 1500}));
}

TEST(FormationPropertiesDialog, AppliesSettingsInOrder) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1200, 1100});
  // Interval "10" is 20 units, which with Fill (below 22 units) becomes 90; skew 5.5 is not
  // refused here, ApplyTo caps it at 6.0 only.
  FormationPropertiesDialog d;
  d.m_strName = "Box", d.m_nCount = 24, d.m_strWidth = "100", d.m_strHeight = "50", d.m_bScaleToFit = true,
      d.m_bBlock = true, d.m_nRows = 3, d.m_crLine = RGB(4, 5, 6), d.m_strSkew = "5.5", d.m_strRotated = "90",
      d.m_strInterval = "10", d.m_bPeopleFill = true, d.m_bPropFill = true, d.m_crFill = RGB(1, 2, 3),
      d.m_nEndStep = 30;
  d.ApplyTo(*f);
  EXPECT_EQ(f->m_rcBase, (CRect{1000, 1000, 1200, 1100}));
  EXPECT_EQ(f->m_strName, "Box");
  EXPECT_EQ((std::vector<double>{f->m_dInterval, f->m_dSkew, f->m_dRotation}), (std::vector<double>{90.0, 5.5, PI / 2}));
  EXPECT_EQ((std::vector<long long>{f->m_nStep, f->m_nEndStep, f->m_bScaleToFit, f->m_bFill, f->m_logbrush.lbStyle,
                                    f->m_logbrush.lbColor, f->m_logpen.lopnColor, f->m_bBlock, f->m_nRows}),
            (std::vector<long long>{24, 30, 0, 1, BS_SOLID, RGB(1, 2, 3), RGB(4, 5, 6), 1, 3}));

  d.m_strSkew = "7";
  d.ApplyTo(*f);
  EXPECT_DOUBLE_EQ(f->m_dSkew, 6.0);
}

TEST(FormationPropertiesDialog, OkWithoutEditsKeepsValuesTheTextsRound) {
  CPxDoc doc;
  // 45 units is 22.5 inches, shown as "22"; 12.3 degrees shown as "12"; skew 0.333 as "0.33".
  CFormation* f = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1045, 1201});
  f->m_dRotation = 12.3 * PI / 180.0;
  f->m_dSkew = 0.333;
  f->m_dInterval = 91.3;
  FormationPropertiesDialog d;
  d.LoadFrom(*f);
  ASSERT_EQ(FirstRefusal(d), "");
  d.ApplyTo(*f);
  EXPECT_EQ(f->m_rcBase, (CRect{1000, 1000, 1045, 1201}));
  EXPECT_EQ((std::vector<double>{f->m_dRotation, f->m_dSkew, f->m_dInterval}),
            (std::vector<double>{12.3 * PI / 180.0, 0.333, 91.3}));

  // A rotation a hair below a full turn shows "0", not the refused "360".
  f->m_dRotation = FULL_TURN - 1e-6;
  d.LoadFrom(*f);
  EXPECT_EQ(d.m_strRotated, "0");
  EXPECT_EQ(FirstRefusal(d), "");
}

}  // namespace
}  // namespace px
