#pragma once
// The Time Line window's drawing: the show as a vertical scale of steps from the top of the
// client rectangle (step 0) to its bottom (the last step), with tick lines, the current
// step, the pictures and the songs. Coordinates are the window's pixels.
#include <optional>
#include <string>

#include "core/util/types.h"

namespace px {

class Canvas;
class CPxDoc;

// "Time Line for " and the show's title, or "Time Line" for a show without one.
std::string TimeLineTitle(const CPxDoc& doc);

// Tick lines, longest first: every 16 steps across the whole width, every 8 over three
// quarters, every 4 over half, every step over a quarter; each drawn only while that many
// ticks fit in the height.
enum class TickClass { None, Every16, Every8, Every4, EveryStep };
TickClass TickClassAt(int step, int lastStep, int height);
// Where a tick line ends on its way from the right edge to the left.
int TickLeftEnd(TickClass tick, const CRect& client);

// The y of a step on the scale.
int TimeLineY(const CRect& client, int step, int lastStep);
// The step the current-step arrow points at: the step itself brought down to the finest
// tick that is drawn; nothing when no tick is drawn.
std::optional<int> ArrowStep(int currentStep, int lastStep, int height);

constexpr int kTimeLineMarkerSize = 10;
constexpr COLORREF kCurrentStepColor = RGB(255, 0, 0);
constexpr COLORREF kPictureColor = RGB(0, 255, 0);
constexpr COLORREF kSongBeginColor = RGB(0, 0, 255);
constexpr COLORREF kSongEndColor = RGB(255, 0, 255);

// A filled arrowhead of four points with its tip at `tip`.
void DrawArrowMarker(Canvas& canvas, CPoint tip, int size, bool pointsLeft, COLORREF color);

// The scale in `client`: ticks, markers and arrow. Nothing but the background while the show
// has fewer than two steps.
void DrawTimeLine(Canvas& canvas, const CPxDoc& doc, const CRect& client);

// Where the scale lies in the window: inset so that the markers at the first and the last
// step and the current-step arrow are drawn whole, with a column for the step numbers on
// the left.
CRect TimeLineScale(const CRect& client, int lastStep);
// The spacing of the numbered steps: the smallest of 1, 2, 4, 8, 16, ... steps that keeps
// the numbers from touching on a scale `height` pixels high.
int StepNumberSpacing(int lastStep, int height);

// The whole window: the background, the step numbers and the scale.
void DrawTimeLineWindow(Canvas& canvas, const CPxDoc& doc, const CRect& client);

}  // namespace px
