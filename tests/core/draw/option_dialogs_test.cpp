#include <gtest/gtest.h>

#include "core/draw/grid_properties.h"
#include "core/draw/view_options.h"

namespace px {
namespace {

TEST(GridProperties, ShowsInchesAndStoresTwiceTheTypedValue) {
  CPxDoc doc;
  GridPropertiesModel grid;
  grid.LoadFrom(doc);
  EXPECT_EQ(InchesText(grid.m_dWidth), "3600.00");  // 7200 * 0.5
  EXPECT_EQ(InchesText(grid.m_dHeight), "1890.00");
  EXPECT_EQ(InchesText(grid.m_dHash1), "630.00");
  EXPECT_EQ(InchesText(grid.m_dHash2), "1260.00");

  grid.m_dWidth = 840.75;  // trunc(1681.5) = 1681
  grid.m_dHash1 = 100.4;   // trunc(200.8) = 200
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_dFieldWidth, 1681.0);
  EXPECT_EQ(doc.m_dHash1, 200.0);
  EXPECT_EQ(FieldUnitsFromInches(-10.3), -20.0);  // toward zero
  EXPECT_EQ(FieldUnitsFromInches(1e12), 2147483647.0);
}

TEST(GridProperties, PresetsSetSizeAndHashLines) {
  GridPropertiesModel grid;
  grid.SelectPreset(4);
  EXPECT_EQ(grid.m_nFieldType, 4);
  EXPECT_EQ(grid.m_dWidth, 960.0);
  EXPECT_EQ(grid.m_dHeight, 660.0);
  EXPECT_FALSE(grid.m_bShowHash1);
  EXPECT_FALSE(grid.m_bShowHash2);
  grid.SelectPreset(0);
  EXPECT_EQ(grid.m_dWidth, 3600.0);
  EXPECT_EQ(grid.m_dHeight, 1890.0);
  EXPECT_TRUE(grid.m_bShowHash1 && grid.m_bShowHash2);
  EXPECT_STREQ(FieldPresets()[1].name, "Indoor Percussion 90 x 50");

  CPxDoc doc;
  grid.SelectPreset(1);
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_dFieldWidth, 2160.0);  // 1080 inches
  EXPECT_EQ(doc.m_dFieldHeight, 1200.0);
  EXPECT_EQ(doc.m_nFieldType, 1);
}

TEST(GridProperties, EightStepSwitchesAreTheOrOfTheirDirection) {
  CPxDoc doc;
  GridPropertiesModel grid;
  grid.LoadFrom(doc);
  for (LineFamily& family : grid.m_families) family.vertical = family.horizontal = false;
  grid.m_families[1].horizontal = true;  // 4 step lines
  grid.m_families[2].dotted = true;
  grid.m_families[2].color = RGB(1, 2, 3);
  grid.m_bCenterHorizontal = grid.m_bBold = true;
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_bHorizontal4, 1);
  EXPECT_EQ(doc.m_bHorizontal8, 1);
  EXPECT_EQ(doc.m_bVertical8, 0);
  EXPECT_EQ(doc.m_bDotted2, 1);
  EXPECT_EQ(doc.m_crLines2, RGB(1, 2, 3));
  EXPECT_EQ(doc.m_bCenterHorizontal, 1);
  EXPECT_EQ(doc.m_bBoldLines, 1);

  // With nothing on, the 8-step lines go off too, and a round trip keeps the settings.
  grid.m_families[1].horizontal = false;
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_bHorizontal8, 0);
  GridPropertiesModel again;
  again.LoadFrom(doc);
  EXPECT_TRUE(again.m_families[2].dotted);
  EXPECT_TRUE(again.m_bCenterHorizontal);
}

ViewOptionsModel Loaded(const CPxDoc& doc) {
  ViewOptionsModel model;
  model.LoadFrom(doc);
  return model;
}

TEST(ViewOptions, DefaultsPassAndRoundTrip) {
  CPxDoc doc;
  ViewOptionsModel model = Loaded(doc);
  EXPECT_EQ(model.m_dInterval, 45.0);    // 90 * 0.5
  EXPECT_EQ(model.m_dSnapInches, 45.0);  // 90 * 0.5
  EXPECT_EQ(model.validate(), std::nullopt);

  model.m_dInterval = 30.3;  // trunc(60.6) = 60
  model.m_bShowPaths = true;
  model.m_nIdPosition = 1;
  model.m_crSelectedFormation = RGB(0, 0, 255);
  model.m_nPrintRange = 1;
  model.ApplyTo(doc);
  EXPECT_EQ(doc.m_dInterval, 60.0);
  EXPECT_EQ(doc.m_bShowPaths, 1);
  EXPECT_EQ(doc.m_nIdPosition, 1);
  EXPECT_EQ(doc.m_crSelectedFormation, RGB(0, 0, 255));
  EXPECT_EQ(doc.m_nPrintRange, 1);
  EXPECT_EQ(doc.m_nPersonSize, 24);  // untouched values survive the trip
}

TEST(ViewOptions, RefusesInTheDialogsOrder) {
  CPxDoc doc;
  ViewOptionsModel model = Loaded(doc);
  model.m_dInterval = 11.9;
  model.m_bShowSnapPoints = true;
  model.m_dSnapInches = 5;
  model.m_nIdSize = 0;
  model.m_nPeopleTextSize = 0;
  const DialogRefusal interval{"Interval must be at least 12 inches.", "View Options"};
  EXPECT_EQ(model.validate(), interval);
  model.m_dInterval = 12;
  EXPECT_EQ(model.validate()->text, "Snap must be at least 12 inches.");
  model.m_dSnapInches = 12;
  EXPECT_EQ(model.validate()->text, "ID number size must be at least 1.");
  model.m_nIdSize = 1;
  EXPECT_EQ(model.validate()->text, "Person letter size must be at least 1.");
  model.m_nPeopleTextSize = 1;
  EXPECT_EQ(model.validate(), std::nullopt);
}

TEST(ViewOptions, SnapOnlyMattersWhenSnappingIsUsed) {
  CPxDoc doc;
  ViewOptionsModel model = Loaded(doc);
  model.m_dSnapInches = 1;
  EXPECT_EQ(model.validate(), std::nullopt);
  for (bool ViewOptionsModel::*snap :
       {&ViewOptionsModel::m_bSnapOnMove, &ViewOptionsModel::m_bShowSnapPoints, &ViewOptionsModel::m_bSnapOnSizeAndDraw}) {
    ViewOptionsModel with = model;
    with.*snap = true;
    ASSERT_TRUE(with.validate());
    EXPECT_EQ(with.validate()->caption, "View Options");
  }
}

TEST(ViewOptions, SizesStayInTheirRanges) {
  CPxDoc doc;
  ViewOptionsModel model = Loaded(doc);
  model.m_nPeopleTextSize = 101;
  EXPECT_EQ(model.validate()->text, "Please enter an integer between 1 and 100.");
  model.m_nPeopleTextSize = 100;
  model.m_nShapeHandleSize = 19;
  EXPECT_EQ(model.validate()->text, "Please enter an integer between 20 and 200.");
  model.m_nShapeHandleSize = 200;
  model.m_nControlHandleSize = 201;
  EXPECT_TRUE(model.validate());
  model.m_nControlHandleSize = 20;
  EXPECT_EQ(model.validate(), std::nullopt);
}

}  // namespace
}  // namespace px
