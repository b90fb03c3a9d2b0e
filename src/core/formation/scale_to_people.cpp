// Scale To Fit People and Scale To Interval: resizing a formation until its people fit.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/formation/formation_view.h"
#include "core/formation/geometry.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

constexpr int kFirstGrowthStep = 100;
constexpr int kGrowthIterations = 2000;
constexpr int kMinGrowingSide = 10;  // a side shorter than this never changes
constexpr double kFitTolerance = 10.0;
constexpr double kMaxSlots = 1000000.0;  // keeps slot counts of absurd lengths in range

int TruncClamped(double v) {
  if (!(v == v)) return 0;
  return Trunc(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// The growth of the larger and the smaller side after k iterations, so the shape keeps its
// proportions: the smaller side grows by MulDiv(k * step, q * 2000, 2000).
struct GrowthTable {
  int larger[kGrowthIterations + 1];
  int smaller[kGrowthIterations + 1];
  void Fill(int step, int kq) {
    for (int k = 0; k <= kGrowthIterations; ++k) {
      larger[k] = k * step;
      smaller[k] = MulDiv(k * step, kq, kGrowthIterations);
    }
  }
};

// Moves the edge with the larger coordinate of one side by `by` (negative: shrink); a side
// shorter than kMinGrowingSide stays. A shrink stops at kMinGrowingSide: a side shrunk to
// nothing could never grow again, and the shape's vertices would all collapse into one.
void ResizeSide(int& a, int& b, int by) {
  const int size = std::abs(b - a);
  if (size < kMinGrowingSide) return;
  if (by < 0) by = -std::min(-by, size - kMinGrowingSide);
  (a > b ? a : b) += by;
}

}  // namespace

void CFormation::ResizeRect(const CRect& rect) {
  // A resized arc finds its end points on the new ellipse, as after a corner drag.
  if (m_nShape == SHAPE_ARC) m_ptArcStart.x = m_ptArcEnd.x = POSITION_NONE_VALUE;
  MoveVertices(m_rcBase, rect);
  m_rcBase = rect;
  RecalcOutline();
}

void CFormation::ScaleToPeople(FormationView* view, bool toInterval) {
  if (view) view->SetWaitCursor(true);
  int step = kFirstGrowthStep;
  bool fitted = FitStep(step, toInterval, view);
  while (!fitted && step >= 2) {
    step /= 2;
    fitted = FitStep(step, toInterval, view);
  }
  if (!IsInsideField()) {
    MoveTo(ClampToField(m_rcBase), view);
    RefreshPeople();
  }
  if (view) view->SetWaitCursor(false);
}

bool CFormation::FitStep(int step, bool toInterval, FormationView* view) {
  MarkModified();
  Redraw(view);
  const double interval = m_dInterval;
  const int people = m_nPlaces;
  const auto finish = [&](bool fitted) {
    RefreshPeople();
    Redraw(view);
    return fitted;
  };
  // Without a positive interval there is no size to aim for.
  if (!(interval > 0.0)) return finish(true);

  if (m_nShape == SHAPE_RECTANGLE && m_bBlock) {
    const int width = std::abs(m_rcBase.right - m_rcBase.left);
    const int rows = std::max(m_nRows, 1);
    const int target = toInterval ? TruncClamped(TruncClamped(width / interval) * interval)
                                  : TruncClamped((people / rows) * interval);
    CRect r = m_rcBase;
    if (r.left < r.right)
      r.right = r.left + target;
    else
      r.left = r.right + target;
    ResizeRect(r);
    return finish(true);
  }

  const bool closed = IsClosedShape(m_nShape);
  double length = RecalcOutline();
  int slots = people;
  if (toInterval) {
    const double whole = std::min(std::trunc(length / interval), kMaxSlots);
    slots = std::max(static_cast<int>(whole) + (closed ? 0 : 1), people);
  }
  if (slots < 2) return finish(true);

  const int width = std::abs(m_rcBase.right - m_rcBase.left);
  const int height = std::abs(m_rcBase.bottom - m_rcBase.top);
  if (m_nShape == SHAPE_LINE && (width < 4 || height < 4)) {
    // Horizontal and vertical lines are set to the target length directly.
    const double target = (slots - 1) * interval;
    CRect r = m_rcBase;
    if (height < 2)
      r.left = TruncClamped(r.left <= r.right ? r.right - target : r.right + target);
    else if (width < 2)
      r.top = TruncClamped(r.top <= r.bottom ? r.bottom - target : r.bottom + target);
    ResizeRect(r);
    return finish(true);
  }

  const double target = closed ? slots * interval : (slots - 1) * interval;
  const bool widthLarger = width >= height;
  const int largerSide = widthLarger ? width : height;
  const int smallerSide = widthLarger ? height : width;
  const double q = largerSide == 0 ? 1.0 : static_cast<double>(smallerSide) / largerSide;
  thread_local GrowthTable table;
  table.Fill(step, Trunc(q * kGrowthIterations));

  const bool grow = length <= target && (length == 0.0 ? target > 1.0 : target > 0.0);
  for (int k = 1; k <= kGrowthIterations; ++k) {
    if (grow ? !(length < target) : !(length > target)) break;
    const int dLarger = table.larger[k] - table.larger[k - 1];
    const int dSmaller = table.smaller[k] - table.smaller[k - 1];
    const int sign = grow ? 1 : -1;
    CRect r = m_rcBase;
    ResizeSide(r.left, r.right, sign * (widthLarger ? dLarger : dSmaller));
    ResizeSide(r.top, r.bottom, sign * (widthLarger ? dSmaller : dLarger));
    if (r == m_rcBase) break;  // both sides too short to change: no later iteration can
    ResizeRect(r);
    length = m_dLength;
  }
  return finish(std::fabs(length - target) < kFitTolerance);
}

}  // namespace px
