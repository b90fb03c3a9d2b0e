// Every member's position at every step of the shows under tests/data/motion, against the
// table recorded beside each show (see the README there).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px {
namespace {

const std::filesystem::path kData = PYXARO_SOURCE_DIR "/tests/data/motion";

// The table as `positions --csv` prints it: "step,person,x,y" a line, step by step, each
// step in the order of the people.
std::string PositionTable(CPxDoc& doc) {
  std::ostringstream out;
  for (int step = 0; step <= doc.m_nLastStep; ++step)
    for (const auto& person : doc.m_people) {
      const CPoint p = person->GetPosition(step);
      out << step << ',' << person->m_nNumber << ',' << p.x << ',' << p.y << '\n';
    }
  return out.str();
}

TEST(RecordedPositions, EveryShowMarchesAsRecorded) {
  int shows = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kData)) {
    if (entry.path().extension() != ".sho") continue;
    ++shows;
    const std::string name = entry.path().filename().string();
    std::ifstream csv(std::filesystem::path(entry.path()).replace_extension(".csv"));
    ASSERT_TRUE(csv) << name << " has no recorded table";
    CPxDoc doc;
    ASSERT_TRUE(ReadShowFile(entry.path().string(), doc).ok) << name;

    std::istringstream actual(PositionTable(doc));
    std::string want, got;
    int line = 0, mismatches = 0;
    while (std::getline(csv, want)) {
      ++line;
      if (!std::getline(actual, got)) got = "(nothing)";
      if (got != want && ++mismatches <= 5)
        ADD_FAILURE() << name << " line " << line << ": recorded " << want << ", now " << got;
    }
    if (std::getline(actual, got)) ADD_FAILURE() << name << ": more rows than recorded, from " << got;
    EXPECT_EQ(mismatches, 0) << name << ": " << mismatches << " of " << line << " positions differ";
  }
  EXPECT_GE(shows, 9);
}

// Asked the other way round (last person first, last step first) every show gives the same
// positions, and none off the field.
TEST(RecordedPositions, TheAnswerDoesNotDependOnWhoAsksFirst) {
  for (const auto& entry : std::filesystem::directory_iterator(kData)) {
    if (entry.path().extension() != ".sho") continue;
    const std::string name = entry.path().filename().string();
    CPxDoc forward, backward;
    ASSERT_TRUE(ReadShowFile(entry.path().string(), forward).ok) << name;
    ASSERT_TRUE(ReadShowFile(entry.path().string(), backward).ok) << name;
    const size_t people = backward.m_people.size();
    std::vector<CPoint> asked;
    for (size_t i = people; i-- > 0;)
      for (int step = backward.m_nLastStep; step >= 0; --step) asked.push_back(backward.m_people[i]->GetPosition(step));
    int mismatches = 0;
    for (size_t i = 0; i < people; ++i)
      for (int step = 0; step <= forward.m_nLastStep; ++step) {
        const CPoint p = forward.m_people[i]->GetPosition(step);
        const CPoint q = asked[(people - 1 - i) * static_cast<size_t>(forward.m_nLastStep + 1) +
                               static_cast<size_t>(forward.m_nLastStep - step)];
        const bool onField = p.x >= 0 && p.x <= FIELD_EXTENT && p.y >= 0 && p.y <= FIELD_EXTENT;
        if ((p != q || !(onField || p == POSITION_NONE)) && ++mismatches <= 3)
          ADD_FAILURE() << name << " person " << forward.m_people[i]->m_nNumber << " step " << step;
      }
    EXPECT_EQ(mismatches, 0) << name;
  }
}

}  // namespace
}  // namespace px
