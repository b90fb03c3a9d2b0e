#pragma once
// What the field view shows: the visible extent, the field and text-band rectangles, the
// perspective mode, and the zoom and 3D commands that change them.
#include <array>

#include "core/doc/pxdoc.h"
#include "core/draw/person_labels.h"
#include "core/draw/show_paths.h"
#include "core/util/types.h"

namespace px {

// The perspective transform of the 3D mode: the near edge (the field's bottom) keeps its
// place, farther points move toward the horizon and toward the middle.
struct Perspective {
  int nearEdge = 4140;  // B: the field's bottom
  int middleX = 4320;   // cx: the field's middle x
  int height = 2400;    // H: twice the document's 3D height
  int depth = 3400;     // D: twice the document's 3D depth
  CPoint Apply(CPoint pt) const;
};

// trunc(v) held to lo .. hi, so a damaged show's size or spacing cannot overflow the
// conversion or make the drawing loops run for ages.
int TruncClamped(double v, int lo, int hi);

class FieldViewState {
 public:
  static constexpr int kNormalExtent = 8640;
  static constexpr int kZoomStep = 864;
  static constexpr int kMinExtent = 2592;
  static constexpr int kMaxExtent = 25920;
  static constexpr int k3DStep = 36;

  FieldViewState();

  // Places the field (centred on the 100-yard span 720 .. 7920) and the text band below it.
  void SetupField(const CPxDoc& doc);

  Perspective GetPerspective(const CPxDoc& doc) const;
  // The point as drawn: projected in 3D mode, unchanged otherwise.
  CPoint Project(CPoint pt, const CPxDoc& doc) const;
  // The highest y anything is drawn at: the world's top, or in 3D a little above the far
  // edge of the field, where the perspective leaves nothing to see above.
  int ContentTop(const CPxDoc& doc) const;

  // Zoom commands; each returns whether it changed the extent.
  bool CanZoomIn() const { return m_nExtent > kMinExtent; }
  bool CanZoomOut() const { return m_nExtent < kMaxExtent; }
  bool ZoomIn();
  bool ZoomOut();
  void ZoomNormal() { m_nExtent = kNormalExtent; }
  // Where the top-left of the visible world goes after a zoom from oldExtent, so that the
  // same part of the field stays in the middle (field units; a low field scrolls to the top).
  CPoint ScrollAfterZoom(CPoint oldTopLeft, int oldExtent, const CPxDoc& doc) const;

  // 3D commands on the document's perspective settings; each returns whether it changed.
  static bool Increase3DHeight(CPxDoc& doc);
  static bool Decrease3DHeight(CPxDoc& doc);
  static bool Increase3DDepth(CPxDoc& doc);
  static bool Decrease3DDepth(CPxDoc& doc);
  // "3D Mode": toggles the perspective and clears the formation selection (the view clears
  // its people selection too).
  void Toggle3D(CPxDoc& doc);

  // The 3D view parks people without a place in rows above the field.
  ParkingLayout Parking() const { return m_b3D ? ParkingLayout::Perspective : ParkingLayout::Normal; }

  int m_nExtent = kNormalExtent;  // the visible world is m_nExtent by m_nExtent / 2
  bool m_b3D = false;
  CRect m_rcField{720, 360, 7920, 4140};
  CRect m_rcBand{720, 4500, 7920, 5220};
  std::array<int, 40> m_nYardPos{};  // entry k = 360 k: the 8-step lines below the top edge
  // What the drawing of this view keeps between frames.
  ShowPaths m_paths;
  PersonLabels m_labels;
};

}  // namespace px
