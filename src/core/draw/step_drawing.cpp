#include "core/draw/step_drawing.h"

#include "core/draw/formation_drawing.h"
#include "core/draw/record_style.h"

namespace px {
namespace {

void DrawOutlines(Painter& painter, const CPxDoc& doc, const DrawView& view, int when) {
  const int step = OutlineStep(doc, when);
  if (step < 0) return;
  for (const auto& f : doc.m_formations) {
    if (f->m_nStep != step || !ShowsAsOutline(*f)) continue;
    DrawFormation(painter, *f, when, &view);
    DrawPivotMarker(painter, *f, when, &view);
  }
}

}  // namespace

bool DrawsInFull(const ShowSettings& doc, const DrawView& view, bool printing) {
  return !view.is3D && !printing && (!view.playing || doc.m_bDrawOnAnimate);
}

bool StandsAtCurrentStep(const CFormation& f, int currentStep) {
  if (f.m_nStep == currentStep) return true;
  return f.m_nStep != f.m_nEndStep && f.m_nEndStep != -1 && f.m_nStep <= currentStep && currentStep <= f.m_nEndStep;
}

bool ShowsAsOutline(const CFormation& f) { return IsHollow(f) && f.m_nEndStep <= f.m_nStep; }

int OutlineStep(const CPxDoc& doc, int when) {
  const int current = doc.m_nCurrentStep;
  if (when > 0) return doc.NextFormationStep(current, false);
  // The nearest earlier step holding an outline formation.
  int best = -1;
  for (const auto& f : doc.m_formations)
    if (f->m_nStep < current && f->m_nStep >= 0 && f->m_nStep > best && ShowsAsOutline(*f)) best = f->m_nStep;
  return best;
}

void DrawStep(Painter& painter, CPxDoc& doc, const DrawView& view) {
  const bool printing = painter.IsPrinting();
  const bool full = DrawsInFull(doc, view, printing);
  const int current = doc.m_nCurrentStep;

  painter.SetOutlineEmphasis(true);
  if (full && doc.m_bOutlinePast) DrawOutlines(painter, doc, view, DRAW_PAST);
  if (full && doc.m_bOutlineFuture) DrawOutlines(painter, doc, view, DRAW_FUTURE);

  const bool handles = full && !view.playing && view.showsHandles;
  for (const auto& owned : doc.m_formations) {
    const CFormation& f = *owned;
    if (!StandsAtCurrentStep(f, current)) continue;
    // Plain outlines are left out while playing, in 3D and on paper: only filled or
    // ranged props remain.
    if (!full && IsHollow(f) && !IsRangedProp(f)) continue;
    DrawFormation(painter, f, DRAW_NOW, &view);
    if (handles && view.IsSelected(&f)) {
      DrawFormationTracker(painter, f);
      DrawPivotMarker(painter, f, DRAW_NOW, &view);
    }
  }
  painter.SetOutlineEmphasis(false);

  if (!full && view.is3D && (doc.m_bFill3D || doc.m_bOutlineFill3D)) {
    doc.ArrangeForPerspective();
  }
  if (doc.m_bShowPaths && !view.is3D && !view.playing) {
    ShowPaths once;
    DrawPaths(painter, doc, view.paths ? *view.paths : once);
  }

  if (view.labels) view.labels->Sync(doc);
  const bool peopleTrackers = !view.is3D && !view.playing && !printing && view.showsHandles;
  for (size_t i = 0; i < doc.m_people.size(); ++i) {
    CPerson& person = *doc.m_people[i];
    DrawPerson(painter, doc, person, &view, static_cast<int>(i));
    if (peopleTrackers && view.IsSelected(&person)) DrawPersonTracker(painter, person);
  }
}

}  // namespace px
