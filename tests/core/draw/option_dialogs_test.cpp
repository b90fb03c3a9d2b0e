#include <gtest/gtest.h>

#include "core/draw/grid_properties_dialog.h"
#include "core/draw/set_bitmaps_dialog.h"
#include "core/draw/view_options_dialog.h"

namespace px {
namespace {

TEST(GridProperties, InchesPresetsAndStoredValues) {
  CPxDoc doc;
  GridPropertiesDialog grid;
  grid.LoadFrom(doc);
  EXPECT_EQ(InchesText(grid.m_dHash1), "630.00");  // 1260 * 0.5
  grid.SelectPreset(4);                             // "Indoor Guard 80 x 55"
  EXPECT_EQ(grid.m_dHeight, 660.0);
  EXPECT_FALSE(grid.m_bShowHash1 || grid.m_bShowHash2);
  grid.m_dWidth = 840.75;  // trunc(1681.5)
  grid.m_dHash2 = -10.3;   // trunc(-20.6), toward zero
  for (LineFamily& family : grid.m_families) family.vertical = family.horizontal = false;
  grid.m_families[1].horizontal = true;  // 4 step lines bring the 8 step lines of their direction
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_nFieldType, 4);
  EXPECT_EQ(doc.m_dFieldWidth, 1681.0);
  EXPECT_EQ(doc.m_dFieldHeight, 1320.0);
  EXPECT_EQ(doc.m_dHash2, -20.0);
  EXPECT_EQ(doc.m_bShowHash1, 0);
  EXPECT_EQ(doc.m_bHorizontal8, 1);
  EXPECT_EQ(doc.m_bVertical8, 0);
  EXPECT_EQ(FieldUnitsFromInches(1e12), 2147483647.0);  // clamped, not overflowed
}

TEST(ViewOptions, RefusalsInOrder) {
  CPxDoc doc;
  ViewOptionsDialog model;
  model.LoadFrom(doc);
  EXPECT_EQ(model.m_dInterval, 45.0);  // 90 * 0.5
  EXPECT_EQ(model.validate(), std::nullopt);
  model.m_dInterval = 11.9;
  model.m_dSnapInches = 5;
  model.m_nIdSize = 0;
  model.m_nPeopleTextSize = 0;
  EXPECT_EQ(model.validate(), (DialogMessage{"Interval must be at least 12 inches.", "View Options"}));
  model.m_dInterval = 12;
  EXPECT_EQ(model.validate()->text, "ID number size must be at least 1.");  // snap unused
  model.m_bSnapOnSizeAndDraw = true;
  EXPECT_EQ(model.validate()->text, "Snap must be at least 12 inches.");
  model.m_dSnapInches = 12;
  model.m_nIdSize = 1;
  EXPECT_EQ(model.validate()->text, "Person letter size must be at least 1.");
  model.m_nPeopleTextSize = 101;
  EXPECT_EQ(model.validate()->text, "Please enter an integer between 1 and 100.");
  model.m_nPeopleTextSize = 100;
  model.m_nControlHandleSize = 201;
  EXPECT_EQ(model.validate()->text, "Please enter an integer between 20 and 200.");
  model.m_nControlHandleSize = 20;
  EXPECT_EQ(model.validate(), std::nullopt);

  model.m_dInterval = 30.3;  // trunc(60.6)
  model.ApplyTo(doc);
  EXPECT_EQ(doc.m_dInterval, 60.0);
  EXPECT_EQ(doc.m_bSnapOnSizeAndDraw, 1);
}

TEST(SetBitmaps, NamesAreStoredAndPicturesReloaded) {
  CPxDoc doc;
  SetBitmapsDialog model;
  model.LoadFrom(doc);
  model.ApplyTo(doc);
  EXPECT_FALSE(doc.IsModified());
  model.m_strFiles[GROUP_DRUMS] = "/nonexistent/drums.bmp";
  model.ApplyTo(doc);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_strSymbolBitmapFile[GROUP_DRUMS], "/nonexistent/drums.bmp");
  // The file cannot load: the drums keep their built-in picture.
  ASSERT_TRUE(doc.m_pSymbolBitmaps[GROUP_DRUMS]);
  EXPECT_EQ(doc.m_pSymbolBitmaps[GROUP_DRUMS]->resourceId, 151);
}

}  // namespace
}  // namespace px
