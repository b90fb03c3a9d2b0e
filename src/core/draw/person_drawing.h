#pragma once
// Drawing of band members: markers of every kind, letters, group pictures, ID numbers,
// march-mode and step-size labels, selection squares and paths over the show.
#include "core/doc/pxdoc.h"
#include "core/draw/draw_view.h"
#include "core/draw/painter.h"
#include "core/draw/show_paths.h"

namespace px {

// ID number positions of the View Options ("Right", "Left", "Top", "Bottom").
enum IdPosition : int { ID_RIGHT = 0, ID_LEFT = 1, ID_TOP = 2, ID_BOTTOM = 3 };
// Space between the marker and its ID number or label.
constexpr int kIdGap = 8;

inline bool IsAbsent(const CPerson& person) { return person.m_nExtra != 0; }

Font IdNumberFont(const ShowSettings& doc);
Font LetterFont(const ShowSettings& doc);
Font LabelFont(const ShowSettings& doc);

// The label shown beside a person ("" for none): the step size when "Step Size" is on,
// else the march code when "March Mode" is on.
std::string PersonLabel(CPerson& person);

// Draws the person at its current position: marker (or letters, or group picture), ID number
// and label. `index` is the person's place in the show's list (for "As Index").
void DrawPerson(Painter& painter, const CPxDoc& doc, CPerson& person, const DrawView* view, int index);

// The selection square: twice the marker half-size, centred on the marker, inverted.
void DrawPersonTracker(Painter& painter, const CPerson& person);

// Each person's path over the whole show as a dotted polyline of its positions, from `paths`
// (brought up to date first) or, when the canvas kept the pixels of the same paths, copied.
void DrawPaths(Painter& painter, CPxDoc& doc, ShowPaths& paths);

}  // namespace px
