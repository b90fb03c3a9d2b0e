#include "core/formation/formation_properties_dialog.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/util/format.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

constexpr int kMaxWidth = 7200;   // 3600 inches
constexpr int kMaxHeight = 3800;  // 1900 inches
constexpr double kMaxSkew = 6.0;

// A typed number (leading blanks skipped, trailing text ignored, independent of the
// locale); text that is not one reads as 0.
double Number(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first < last && (*first == ' ' || *first == '\t')) ++first;
  if (first < last && *first == '+') ++first;
  double v = 0.0;
  const auto result = std::from_chars(first, last, v);
  return result.ec == std::errc() && std::isfinite(v) ? v : 0.0;
}

// Twice the inches, truncated, within [0, cap].
int FieldUnits(const std::string& inches, int cap) {
  const double twice = std::clamp(2.0 * Number(inches), 0.0, static_cast<double>(cap));
  return Trunc(twice);
}

}  // namespace

std::string WidthText(const CFormation& f) {
  return Format("%0.0lf", std::fabs(static_cast<double>(f.m_rcBase.right) - f.m_rcBase.left) * 0.5);
}

std::string HeightText(const CFormation& f) {
  return Format("%0.0lf", std::fabs(static_cast<double>(f.m_rcBase.bottom) - f.m_rcBase.top) * 0.5);
}

std::string SkewText(const CFormation& f) { return Format("%0.2lf", f.m_dSkew); }

std::string RotatedText(const CFormation& f) {
  const std::string text = Format("%0.0lf", NormalizeAngle(f.m_dRotation) * 180.0 / PI);
  // A rotation a hair below a full turn would show as "360", which OK refuses.
  return text == "360" ? "0" : text;
}

std::string IntervalText(const CFormation& f) { return Format("%0.2lf", f.m_dInterval * 0.5); }

void FormationPropertiesDialog::LoadFrom(const CFormation& f) {
  m_strName = f.m_strName;
  m_nCount = f.m_nStep;
  m_strWidth = WidthText(f);
  m_strHeight = HeightText(f);
  m_bScaleToFit = f.m_bScaleToFit != 0;
  m_bScaleToInterval = f.m_bScaleToInterval != 0;
  m_nShape = f.m_nShape;
  m_bBlock = f.m_bBlock != 0;
  m_nRows = f.m_nRows;
  m_crLine = f.m_logpen.lopnColor;
  m_nSides = 0;
  m_strStar = "0.0";
  m_strSkew = SkewText(f);
  m_strRotated = RotatedText(f);
  m_strNumber = Format("%d", f.m_nPlaces);
  m_strInterval = IntervalText(f);
  m_bSpread = f.m_bSpread != 0;
  m_bPeopleFill = f.m_bFill != 0;
  m_bPeopleFillEnabled = f.m_nShape != SHAPE_LINE;
  m_bReverse = f.m_bReverse != 0;
  m_bCenterPivot = false;
  m_bCornerPivot = false;
  m_bPropFill = f.m_logbrush.lbStyle == BS_SOLID;
  m_crFill = f.m_logbrush.lbColor;
  m_nEndStep = f.m_nEndStep;
  m_bArrow = f.m_bArrow != 0;
}

void FormationPropertiesDialog::CountPlus() { ++m_nCount; }
void FormationPropertiesDialog::CountMinus() { m_nCount = std::max(m_nCount - 1, 0); }
void FormationPropertiesDialog::CountPlus8() { m_nCount += 8; }
void FormationPropertiesDialog::CountMinus8() { m_nCount = m_nCount < 9 ? 0 : m_nCount - 8; }

void FormationPropertiesDialog::SetScaleToFit(bool on) {
  m_bScaleToFit = on;
  if (on) m_bScaleToInterval = false;
}

void FormationPropertiesDialog::SetScaleToInterval(bool on) {
  m_bScaleToInterval = on;
  if (on) m_bScaleToFit = false;
}

void FormationPropertiesDialog::SetCenterPivot(bool on) {
  m_bCenterPivot = on;
  if (on) m_bCornerPivot = false;
}

void FormationPropertiesDialog::SetCornerPivot(bool on) {
  m_bCornerPivot = on;
  if (on) m_bCenterPivot = false;
}

void FormationPropertiesDialog::SetBlock(bool on) {
  m_bBlock = on;
  if (!on) return;
  m_nShape = SHAPE_RECTANGLE;
  if (m_nRows < 2) m_nRows = 4;
  m_nSides = 0;
  m_strStar = "0.0";
}

void FormationPropertiesDialog::TypeSides(int sides) {
  m_nSides = sides;
  if (sides <= 0) return;
  m_nShape = SHAPE_CLOSED_POLYGON;
  m_bBlock = false;
  m_nRows = 0;
}

void FormationPropertiesDialog::ChooseShape(int kind) {
  m_nShape = kind;
  m_bBlock = false;
  m_nRows = 0;
  if (kind == SHAPE_LINE) {
    m_bPeopleFill = false;
    m_bPeopleFillEnabled = false;
  } else {
    m_bPeopleFillEnabled = true;
  }
  if (kind != SHAPE_CLOSED_POLYGON) {
    m_nSides = 0;
    m_strStar = "0.0";
  }
}

void FormationPropertiesDialog::SpinRotated(int delta) {
  double degrees = Number(m_strRotated) + delta;
  if (degrees < 0.0) degrees = 360.0;
  if (degrees > 360.0) degrees = 0.0;
  m_strRotated = Format("%0.0lf", degrees);
}

// Built from a char: GCC 12 falsely reports an overlapping copy for this literal at -O3.
void FormationPropertiesDialog::Unrotate() { m_strRotated = std::string(1, '0'); }

void FormationPropertiesDialog::SpinEndStep(int delta) { m_nEndStep = std::max(m_nEndStep + delta, 0); }

std::optional<DialogMessage> FormationPropertiesDialog::Validate() {
  const auto refuse = [](const char* text) { return DialogMessage{text, kCaption}; };
  if (m_bPeopleFill) {
    m_bScaleToFit = false;
    if (Number(m_strInterval) < 12.0) m_strInterval = "90";
  }
  if (m_nSides != 0 && (m_nSides < 3 || m_nSides > 50))
    return refuse("Number of sides must either be 0, or between 3 and 50.");
  const double star = Number(m_strStar);
  if (m_nSides != 0 && star != 0.0 && (star < 0.2 || star > 4.0))
    return refuse("Star factor must either be 0, or between 0.2 and 4.0");
  if (m_nCount < 0) return refuse("Step count must not be less than 0.");
  if (m_nEndStep < 0) return refuse("End Step must not be less than 0.");
  if (m_nEndStep < m_nCount) m_nEndStep = 0;
  if (m_bBlock && m_nRows < 2) return refuse("Block rows must not be less than 2.");
  if (m_bBlock && m_nRows > 50) return refuse("Block rows must not be greater than 50.");
  if (!m_bSpread && Number(m_strInterval) < 12.0) return refuse("Interval must be at least 12 inches.");
  if (Number(m_strWidth) < 12.0 && Number(m_strHeight) < 12.0)
    return refuse("The width and / or height must exceed 12 inches.");
  const double skew = Number(m_strSkew);
  if (skew > 4.0 || skew < -4.0) return refuse("Skew must be between 4.0 and -4.0.");
  if (Number(m_strRotated) >= 360.0) return refuse("Degrees must be less than 360.");
  const bool fillable = m_nShape == SHAPE_RECTANGLE || m_nShape == SHAPE_ELLIPSE || m_nShape == SHAPE_CLOSED_POLYGON;
  if (!fillable || m_bBlock) m_bPropFill = false;
  return std::nullopt;
}

std::vector<DialogControl> FormationPropertiesDialog::Controls() {
  // A colour as its number, 0x00BBGGRR (hex with 0x, or decimal).
  const auto colour = [](std::string name, COLORREF& field) {
    return DialogControl{std::move(name), [&field](const std::string& v) {
                           const bool hex = v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X');
                           char* end = nullptr;
                           const unsigned long value = std::strtoul(v.c_str(), &end, hex ? 16 : 10);
                           if (v.empty() || *end != '\0' || value > 0xFFFFFFul)
                             throw DialogValueError("not a colour: \"" + v + "\"");
                           field = static_cast<COLORREF>(value);
                         }};
  };
  const auto flag = [](std::string name, void (FormationPropertiesDialog::*set)(bool), FormationPropertiesDialog* d) {
    return DialogControl{std::move(name), [d, set](const std::string& v) { (d->*set)(ControlBool(v)); }};
  };
  return {
      TextControl("m_strName", m_strName),
      IntControl("m_nStep", m_nCount),
      TextControl("Width", m_strWidth),
      TextControl("Height", m_strHeight),
      flag("m_bScaleToFit", &FormationPropertiesDialog::SetScaleToFit, this),
      flag("m_bScaleToInterval", &FormationPropertiesDialog::SetScaleToInterval, this),
      {"m_nShape",
       [this](const std::string& v) {
         const int kind = ControlInt(v);
         if (kind < SHAPE_RECTANGLE || kind > SHAPE_ARC) throw DialogValueError("no shape " + v);
         ChooseShape(kind);
       }},
      flag("m_bBlock", &FormationPropertiesDialog::SetBlock, this),
      IntControl("m_nRows", m_nRows),
      colour("Color", m_crLine),
      {"Sides", [this](const std::string& v) { TypeSides(ControlInt(v)); }},
      TextControl("Star", m_strStar),
      TextControl("m_dSkew", m_strSkew),
      TextControl("m_dRotation", m_strRotated),
      {"Unrotate",
       [this](const std::string& v) {
         if (ControlBool(v)) Unrotate();
       }},
      TextControl("m_dInterval", m_strInterval),
      BoolControl("m_bSpread", m_bSpread),
      {"m_bFill",
       [this](const std::string& v) {
         const bool on = ControlBool(v);
         if (on && !m_bPeopleFillEnabled) throw DialogValueError("the people Fill box is disabled for a Line");
         m_bPeopleFill = on;
       }},
      BoolControl("m_bReverse", m_bReverse),
      flag("Center Pivot Point", &FormationPropertiesDialog::SetCenterPivot, this),
      flag("Corner Pivot Point", &FormationPropertiesDialog::SetCornerPivot, this),
      BoolControl("Prop Fill", m_bPropFill),
      colour("Fill Color", m_crFill),
      IntControl("m_nEndStep", m_nEndStep),
      BoolControl("m_bArrow", m_bArrow),
  };
}

void FormationPropertiesDialog::ApplyTo(CFormation& f, FormationView* view) const {
  // A field still showing the formation's own (rounded) value leaves that value exactly as
  // it is, so OK without edits never nudges a size, rotation, skew or interval.
  const CRect& base = f.m_rcBase;
  const int oldWidth = std::abs(base.right - base.left);
  const int oldHeight = std::abs(base.bottom - base.top);
  const int width = m_strWidth == WidthText(f) ? oldWidth : FieldUnits(m_strWidth, kMaxWidth);
  const int height = m_strHeight == HeightText(f) ? oldHeight : FieldUnits(m_strHeight, kMaxHeight);
  if (width != oldWidth || height != oldHeight) {
    CRect r = base;
    r.right = r.right >= r.left ? r.left + width : r.left - width;
    r.bottom = r.bottom >= r.top ? r.top + height : r.top - height;
    f.MoveTo(r, view);
    f.RecalcBounds(view);
    f.RecalcOutline();
  }

  f.m_nStep = m_nCount;
  f.m_nEndStep = m_nEndStep;
  if (m_strInterval != IntervalText(f)) f.m_dInterval = 2.0 * Number(m_strInterval);
  if (m_strSkew != SkewText(f)) f.m_dSkew = std::min(Number(m_strSkew), kMaxSkew);
  if (m_strRotated != RotatedText(f)) f.m_dRotation = Number(m_strRotated) * PI / 180.0;
  f.m_bSpread = m_bSpread;
  f.m_bScaleToFit = m_bScaleToFit;
  if (m_bPeopleFill) {
    f.m_bScaleToFit = 0;
    if (f.m_dInterval < 22.0) f.m_dInterval = 90.0;
  }
  f.m_bScaleToInterval = m_bScaleToInterval;
  f.m_strName = m_strName;
  f.m_bBlock = m_bBlock;
  f.m_nRows = m_nRows;
  f.m_bArrow = m_bArrow;
  f.m_logpen.lopnColor = m_crLine;
  f.m_logbrush.lbColor = m_crFill;
  f.m_logbrush.lbStyle = m_bPropFill ? BS_SOLID : BS_NULL;
  f.m_bFill = m_bPeopleFill;
  // Spacing, fill and rotation decide the spots: the people's cached ones are stale now.
  f.InvalidatePeople();
}

}  // namespace px
