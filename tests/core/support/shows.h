#pragma once
// Shows built in code: shapes on a document, people on them, formations at chosen steps with
// hand-picked spots, and a show with pictures, songs, a fake song player and a fake timer
// for the animation clock.
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/song_player.h"
#include "core/doc/pxdoc.h"
#include "core/formation/formation.h"
#include "core/midi/song_entry.h"
#include "core/people/person.h"
#include "core/support/scripted_ui.h"

namespace px {
// Readable points and rectangles in failure messages.
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const CRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
}  // namespace px

namespace px::test {

using Points = std::vector<CPoint>;

inline CFormation* AddRectShape(CPxDoc& doc, int kind, const CRect& rect) {
  auto f = std::make_unique<CDrawRect>(rect);
  f->m_nShape = kind;
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcOutline();
  return added;
}

inline CFormation* AddPolyShape(CPxDoc& doc, int kind, const Points& points) {
  auto f = std::make_unique<CDrawPoly>();
  f->m_nShape = kind;
  f->SetPoints(points);
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcBounds();
  added->RecalcOutline();
  return added;
}

// Adds `count` people (IDs from 1 on) and puts them in order on the formation.
inline std::vector<CPerson*> PutPeopleOn(CPxDoc& doc, CFormation* formation, int count) {
  std::vector<CPerson*> people;
  for (int i = 0; i < count; ++i) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = doc.NextFreePersonId();
    people.push_back(doc.AddPerson(std::move(person)));
    people.back()->AssignToFormation(nullptr, formation);
  }
  return people;
}

inline CPoint Spot(CFormation* f, int slot) { return f->GetSpot(slot, 0.0, 0.0, f->m_dSkew); }

// The spots of the given slots, in order.
inline Points Spots(CFormation* f, std::initializer_list<int> slots) {
  Points spots;
  for (int slot : slots) spots.push_back(Spot(f, slot));
  return spots;
}

// The points at the given indices, in order.
inline Points Pick(const Points& points, std::initializer_list<int> indices) {
  Points picked;
  for (int i : indices) picked.push_back(points.at(static_cast<size_t>(i)));
  return picked;
}

// Formations at chosen steps (pivot in the middle) and people whose places get spotted or
// hand-picked spots, so marching can be checked without spotting.
class ShowBuilder {
 public:
  ShowBuilder() { doc.m_bSaveStepsToMemory = 1; }

  CPerson* Person(int id) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = id;
    return doc.AddPerson(std::move(person));
  }
  CFormation* Formation(int step, int kind = SHAPE_LINE, CRect rect = CRect{1000, 1000, 2000, 1000}) {
    doc.SetCurrentStep(step);
    CFormation* f = AddRectShape(doc, kind, rect);
    f->m_ptPivot = f->m_ptPivotSaved = CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return f;
  }
  // Puts `person` on the next slot of `formation`; its spot comes from spotting.
  CPlace* Spot(CPerson* person, CFormation* formation, int mode = MARCH_FLOAT) {
    CPlace* place = person->AssignToFormation(nullptr, formation);
    place->m_nMarchMode = mode;
    return place;
  }
  // Puts `person` on the next slot of `formation` with a known spot.
  CPlace* Put(CPerson* person, CFormation* formation, CPoint spot, int mode = MARCH_FLOAT) {
    CPlace* place = Spot(person, formation, mode);
    place->m_ptSpot = spot;
    return place;
  }

  CPxDoc doc;
};

class FakeSongPlayer : public SongPlayer {
 public:
  bool CanPlaySongs() const override { return canPlay; }
  bool StartSong(const std::string& fileName, int offsetSteps) override {
    starts.emplace_back(fileName, offsetSteps);
    return running = fileName != missing;
  }
  void StopSong() override { running = false; }
  bool IsRunning() const override { return running; }

  bool canPlay = true, running = false;
  std::string missing;  // a file that cannot be started
  std::vector<std::pair<std::string, int>> starts;
};

// A timer that only records whether it runs.
class FakeTimer : public AnimationHost {
 public:
  void ArmTimer(int periodMs) override {
    armed = true;
    period = periodMs;
  }
  void KillTimer() override { armed = false; }
  void ClearSelectedPeople() override { ++peopleCleared; }

  bool armed = false;
  int period = 0, peopleCleared = 0;
};

// A show for the animation clock, whose Ui stops the clock as the desktop program's does.
struct AnimationFixture {
  AnimationFixture() {
    doc.m_bStopAtEnd = 0;
    ui.onStopAnimation = [this] { clock.Stop(); };
    clock.SetActive(true);
  }
  // A formation (a picture) at each step.
  void Pictures(std::initializer_list<int> steps) {
    for (int step : steps) {
      doc.SetCurrentStep(step);
      doc.AddFormation(std::make_unique<CDrawRect>(CRect{1000, 1000, 2000, 1000}));
    }
    doc.SetCurrentStep(0);
  }
  void Song(int begin, int steps, const std::string& file) {
    doc.m_songs.push_back(FormatSongEntry(SongEntry{begin, steps, file}));
  }
  // Starts at `step` and returns the step after each of `ticks` ticks of a running timer.
  std::vector<int> PlayFrom(int step, int ticks) {
    doc.SetCurrentStep(step);
    clock.Start();
    return Ticks(ticks);
  }
  std::vector<int> Ticks(int ticks) {
    std::vector<int> steps;
    for (int i = 0; i < ticks && timer.armed; ++i) {
      clock.OnTimer();
      steps.push_back(doc.m_nCurrentStep);
    }
    return steps;
  }

  CPxDoc doc;
  ScriptedUi ui;
  FakeSongPlayer player;
  FakeTimer timer;
  AnimationClock clock{doc, ui, player, timer};
};

}  // namespace px::test
