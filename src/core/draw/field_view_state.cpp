#include "core/draw/field_view_state.h"

#include <algorithm>
#include <cmath>

#include "core/util/muldiv.h"

namespace px {

int TruncClamped(double v, int lo, int hi) {
  if (std::isnan(v)) return lo;
  return Trunc(std::clamp(v, static_cast<double>(lo), static_cast<double>(hi)));
}

CPoint Perspective::Apply(CPoint pt) const {
  const double v = static_cast<double>(nearEdge) - pt.y;
  double s = v + depth;
  // A point at or behind the eye has no image; keep it on the eye's plane instead of
  // dividing by zero or flipping it over.
  if (s < 1.0) s = 1.0;
  // Points near the eye's plane land far away; keep them within what an int holds.
  constexpr int kFar = 1 << 28;
  CPoint out;
  out.y = nearEdge - TruncClamped(height * v / s, -kFar, kFar);
  out.x = pt.x == middleX ? pt.x : TruncClamped(middleX + (static_cast<double>(pt.x) - middleX) * depth / s, -kFar, kFar);
  return out;
}

FieldViewState::FieldViewState() {
  for (size_t k = 0; k < m_nYardPos.size(); ++k) m_nYardPos[k] = 360 * static_cast<int>(k);
}

void FieldViewState::SetupField(const CPxDoc& doc) {
  // No field is larger than twice the drawable world.
  const int width = TruncClamped(doc.m_dFieldWidth, 0, 2 * FIELD_EXTENT);
  const int height = TruncClamped(doc.m_dFieldHeight, 0, 2 * FIELD_EXTENT);
  m_rcField = CRect{720, 360, 720 + width, 360 + height};
  const int shift = (720 - m_rcField.right + 7200) / 2;
  m_rcField.left += shift;
  m_rcField.right += shift;
  m_rcBand = CRect{m_rcField.left, m_rcField.bottom + 360, m_rcField.right, m_rcField.bottom + 1080};
}

Perspective FieldViewState::GetPerspective(const CPxDoc& doc) const {
  Perspective p;
  p.nearEdge = m_rcField.bottom;
  p.middleX = m_rcField.left + (m_rcField.right - m_rcField.left) / 2;
  p.height = 2 * doc.m_n3DHeight;
  p.depth = 2 * doc.m_n3DDepth;
  return p;
}

CPoint FieldViewState::Project(CPoint pt, const CPxDoc& doc) const {
  return m_b3D ? GetPerspective(doc).Apply(pt) : pt;
}

bool FieldViewState::ZoomIn() {
  if (!CanZoomIn()) return false;
  m_nExtent -= kZoomStep;
  return true;
}

bool FieldViewState::ZoomOut() {
  if (!CanZoomOut()) return false;
  m_nExtent += kZoomStep;
  return true;
}

namespace {
constexpr int kYardSpacing = 360;
}  // namespace

int FieldViewState::ContentTop(const CPxDoc& doc) const {
  if (!m_b3D) return 0;
  return std::max(0, Project(CPoint{m_rcField.left, m_rcField.top}, doc).y - kYardSpacing / 2);
}

CPoint FieldViewState::ScrollAfterZoom(CPoint oldTopLeft, int oldExtent, const CPxDoc& doc) const {
  const CPoint middle{oldTopLeft.x + oldExtent / 2, oldTopLeft.y + oldExtent / 4};
  CPoint out{std::max(0, middle.x - m_nExtent / 2), std::max(0, middle.y - m_nExtent / 4)};
  if (doc.m_dFieldHeight < 3600.0) out.y = 0;
  return out;
}

namespace {

bool Grow(int& value) {
  value += FieldViewState::k3DStep;
  return true;
}

bool Shrink(int& value) {
  if (value <= FieldViewState::k3DStep) return false;
  value -= FieldViewState::k3DStep;
  return true;
}

}  // namespace

bool FieldViewState::Increase3DHeight(CPxDoc& doc) { return Grow(doc.m_n3DHeight); }
bool FieldViewState::Decrease3DHeight(CPxDoc& doc) { return Shrink(doc.m_n3DHeight); }
bool FieldViewState::Increase3DDepth(CPxDoc& doc) { return Grow(doc.m_n3DDepth); }
bool FieldViewState::Decrease3DDepth(CPxDoc& doc) { return Shrink(doc.m_n3DDepth); }

void FieldViewState::Toggle3D(CPxDoc& doc) {
  m_b3D = !m_b3D;
  doc.m_selection.formations.clear();
}

}  // namespace px
