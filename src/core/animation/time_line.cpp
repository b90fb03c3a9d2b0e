#include "core/animation/time_line.h"

#include "core/doc/pxdoc.h"
#include "core/draw/canvas.h"
#include "core/midi/song_entry.h"
#include "core/util/muldiv.h"

#include <algorithm>
#include <string>

namespace px {
namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kTickColor = RGB(0, 0, 0);
// Step numbers: pixels high, and the widest a digit is drawn.
constexpr int kNumberHeight = 11;
constexpr int kDigitWidth = 7;
constexpr int kNumberGap = 4;

int Digits(int n) { return n < 10 ? 1 : 1 + Digits(n / 10); }

// The x where picture lines end and their markers point; song markers point at the middle.
int PictureLineEnd(const CRect& client) { return client.left + client.Width() / 5; }
int SongMarkerTip(const CRect& client) { return client.left + client.Width() / 2; }

void DrawTicks(Canvas& canvas, const CRect& client, int lastStep) {
  canvas.SetPen(Pen{PenStyle::Solid, 1, kTickColor});
  for (int step = 0; step <= lastStep; ++step) {
    const TickClass tick = TickClassAt(step, lastStep, client.Height());
    if (tick == TickClass::None) continue;
    const int y = TimeLineY(client, step, lastStep);
    canvas.Line(CPoint{client.right, y}, CPoint{TickLeftEnd(tick, client), y});
  }
}

void DrawPictures(Canvas& canvas, const CPxDoc& doc, const CRect& client) {
  const CFormation* previous = nullptr;
  for (const auto& formation : doc.m_formations) {
    // The list is sorted by step: the first formation of each step marks its picture.
    if (!previous || formation->m_nStep != previous->m_nStep) {
      const int y = TimeLineY(client, formation->m_nStep, doc.m_nLastStep);
      canvas.SetPen(Pen{PenStyle::Solid, 1, kPictureColor});
      canvas.Line(CPoint{client.left, y}, CPoint{PictureLineEnd(client), y});
      DrawArrowMarker(canvas, CPoint{PictureLineEnd(client), y}, kTimeLineMarkerSize, false, kPictureColor);
    }
    previous = formation.get();
  }
}

void DrawSongs(Canvas& canvas, const CPxDoc& doc, const CRect& client) {
  for (const std::string& line : doc.m_songs) {
    const SongEntry song = ParseSongEntry(line);
    const int x = SongMarkerTip(client);
    DrawArrowMarker(canvas, CPoint{x, TimeLineY(client, song.beginStep, doc.m_nLastStep)}, kTimeLineMarkerSize, false,
                    kSongBeginColor);
    DrawArrowMarker(canvas, CPoint{x, TimeLineY(client, song.EndStep(), doc.m_nLastStep)}, kTimeLineMarkerSize, false,
                    kSongEndColor);
  }
}

}  // namespace

std::string TimeLineTitle(const CPxDoc& doc) {
  return doc.m_strTitle.empty() ? std::string("Time Line") : "Time Line for " + doc.m_strTitle;
}

TickClass TickClassAt(int step, int lastStep, int height) {
  if (step % 16 == 0 && lastStep / 16 < height) return TickClass::Every16;
  if (step % 8 == 0 && lastStep / 8 < height) return TickClass::Every8;
  if (step % 4 == 0 && lastStep / 4 < height) return TickClass::Every4;
  if (lastStep < height) return TickClass::EveryStep;
  return TickClass::None;
}

int TickLeftEnd(TickClass tick, const CRect& client) {
  const int width = client.Width();
  switch (tick) {
    case TickClass::Every16: return client.left;
    case TickClass::Every8: return client.left + width / 4;
    case TickClass::Every4: return client.left + width / 2;
    case TickClass::EveryStep: return client.left + width * 3 / 4;
    case TickClass::None: break;
  }
  return client.right;
}

int TimeLineY(const CRect& client, int step, int lastStep) {
  return client.top + MulDiv(step, client.Height(), lastStep);
}

std::optional<int> ArrowStep(int currentStep, int lastStep, int height) {
  if (lastStep < height) return currentStep;
  for (const int spacing : {4, 8, 16})
    if (lastStep / spacing < height) return currentStep - currentStep % spacing;
  return std::nullopt;
}

void DrawArrowMarker(Canvas& canvas, CPoint tip, int size, bool pointsLeft, COLORREF color) {
  const int back = pointsLeft ? tip.x + size : tip.x - size;
  const int notch = pointsLeft ? tip.x + size / 2 : tip.x - size / 2;
  canvas.SetPen(Pen{PenStyle::Solid, 1, color});
  canvas.SetBrush(Brush{false, color});
  canvas.Polygon({tip, CPoint{back, tip.y - size / 2}, CPoint{notch, tip.y}, CPoint{back, tip.y + size / 2}});
}

CRect TimeLineScale(const CRect& client, int lastStep) {
  // Half a marker, or half a number, above the first step and below the last.
  const int margin = std::max(kTimeLineMarkerSize, kNumberHeight) / 2 + 1;
  return CRect{client.left + Digits(std::max(lastStep, 0)) * kDigitWidth + 2 * kNumberGap, client.top + margin,
               client.right - 1, client.bottom - margin};
}

int StepNumberSpacing(int lastStep, int height) {
  int spacing = 1;
  // Whole steps apart on the scale must leave a line of text between numbers.
  while (height > 0 && static_cast<long long>(spacing) * height < static_cast<long long>(kNumberHeight + 2) * lastStep &&
         spacing < (1 << 30))
    spacing *= 2;
  return spacing;
}

void DrawTimeLineWindow(Canvas& canvas, const CPxDoc& doc, const CRect& client) {
  canvas.FillRect(client, kBackground);
  const int lastStep = doc.m_nLastStep;
  const CRect scale = TimeLineScale(client, lastStep);
  if (lastStep <= 1 || scale.Height() <= 0 || scale.Width() <= 0) return;
  DrawTimeLine(canvas, doc, scale);
  canvas.SetFont(Font{"Arial", kNumberHeight, 0, false});
  canvas.SetTextColor(kTickColor);
  const int spacing = StepNumberSpacing(lastStep, scale.Height());
  auto number = [&](int step) {
    canvas.Text(CPoint{scale.left - kNumberGap, TimeLineY(scale, step, lastStep)}, std::to_string(step),
                TextAlign::MiddleRight);
  };
  int numbered = 0;
  for (int step = 0; step <= lastStep; step += spacing) number(numbered = step);
  // The last step gets its number too when there is room for it.
  if (numbered != lastStep && TimeLineY(scale, lastStep, lastStep) - TimeLineY(scale, numbered, lastStep) > kNumberHeight)
    number(lastStep);
}

void DrawTimeLine(Canvas& canvas, const CPxDoc& doc, const CRect& client) {
  canvas.FillRect(client, kBackground);
  const int lastStep = doc.m_nLastStep;
  if (lastStep <= 1) return;
  DrawTicks(canvas, client, lastStep);
  if (doc.m_nCurrentStep > 0) {
    if (const std::optional<int> step = ArrowStep(doc.m_nCurrentStep, lastStep, client.Height()))
      DrawArrowMarker(canvas, CPoint{client.right - kTimeLineMarkerSize, TimeLineY(client, *step, lastStep)},
                      kTimeLineMarkerSize, true, kCurrentStepColor);
  }
  DrawPictures(canvas, doc, client);
  DrawSongs(canvas, doc, client);
}

}  // namespace px
