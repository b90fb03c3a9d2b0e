// The step sheet of one member: every place and instruction of the show, in words.
#include <algorithm>
#include <string>

#include "core/model/show_context.h"
#include "core/people/describe_place.h"
#include "core/people/march.h"
#include "core/people/person.h"
#include "core/people/position_description.h"
#include "core/people/step_size.h"
#include "core/util/format.h"

namespace px {
namespace {

constexpr const char* kParagraph = "\r\n\r\n";
constexpr const char* kSeparator = "-----------------------------\r\n\r\n";

// Appends to the text and keeps its printed line count, as the report counts them.
struct ReportText {
  std::string text;
  int lines = 0;

  void Add(const std::string& part, int partLines) {
    text += part;
    lines += partLines;
  }
  // The show's comment for a step, as a paragraph of its own.
  void AddComment(const ShowContext* doc, int step) {
    const std::string comment = doc ? doc->CommentAtStep(step) : std::string();
    if (comment.empty()) return;
    Add(comment + kParagraph, static_cast<int>(std::count(comment.begin(), comment.end(), '\n')) + 2);
  }
};

// The size sentence of the approach from `earlier` to `place`, or nothing.
std::string SizeSentence(CPerson& person, CPlace& earlier, CPlace& place) {
  if (!earlier.m_pFormation || !place.m_pFormation) return {};
  const int n = place.m_pFormation->m_nStep - earlier.m_pFormation->m_nStep;
  switch (place.m_nMarchMode) {
    case MARCH_FLOAT:
    case MARCH_SKEW:
      if (place.m_bFlex)
        return Format("The step size for the %d step(s) is at least %0.2lf inches.\r\n"
                      "You may march a curved path to maintain interval spacing.\r\n\r\n",
                      n, ApproachStepSize(person, earlier, place));
      break;
    case MARCH_FOLLOW:
      if (place.m_nStep <= 1) return {};
      break;
    case MARCH_XY:
    case MARCH_YX:
    case MARCH_PIVOT:
      break;
    case MARCH_ARC:
      return Format("The approximate size for the %d step(s) is > %0.2lf inches.\r\n\r\n", n,
                    ApproachStepSize(person, earlier, place));
    default:
      return {};
  }
  return Format("The step size for the %d step(s) is %0.2lf inches.\r\n\r\n", n,
                ApproachStepSize(person, earlier, place));
}

// The person in a slot of the formation, when the slot is filled.
const CPerson* PersonInSlot(const CFormation& formation, int slot) {
  if (slot < 0 || slot >= formation.m_nPlaces || static_cast<size_t>(slot) >= formation.m_ppPlaces.size())
    return nullptr;
  const CPlace* place = formation.m_ppPlaces[static_cast<size_t>(slot)];
  return place ? place->m_pPerson : nullptr;
}

// Who stands before and after the person on the formation.
void AddNeighbours(ReportText& report, const CPlace& place) {
  const CFormation* formation = place.m_pFormation;
  if (!formation) return;
  if (formation->m_nPlaces == 1) {
    report.Add("You are the only person on the formation.\r\n\r\n", 2);
    return;
  }
  if (place.m_nSlot == 0)
    report.Add("You are the first person on the formation.\r\n\r\n", 2);
  else if (const CPerson* before = PersonInSlot(*formation, place.m_nSlot - 1))
    report.Add("You are after " + Format("%s, ID %d.", before->m_strName.c_str(), before->Id()) + kParagraph, 2);
  if (place.m_nSlot == formation->m_nPlaces - 1)
    report.Add("You are the end person on the formation.\r\n\r\n", 2);
  else if (const CPerson* after = PersonInSlot(*formation, place.m_nSlot + 1))
    report.Add(Format("%s, ID %d is after you.", after->m_strName.c_str(), after->Id()) + kParagraph, 2);
}

}  // namespace

std::string CPerson::GetStepReport(int* lineCount) {
  int lastStep = 0;
  if (m_pDocument)
    lastStep = m_pDocument->m_nLastStep;
  else
    for (const auto& place : m_places) lastStep = std::max(lastStep, place->m_nStep);
  // The show's length is recomputed from formations and songs on loading, so an instruction
  // can lie beyond it; the sheet must still list it.
  if (!m_stepInsts.empty()) lastStep = std::max(lastStep, m_stepInsts.back()->m_nCount);
  ReportText report;
  CPlace* earlier = nullptr;
  for (int step = 0; step <= lastStep; ++step) {
    if (CPlace* place = GetPlaceAt(step)) {
      InvalidateAllPositions();
      const CPoint spot = march::SpotOf(*place);
      report.Add(DescribePlace(*place, false) + "." + kParagraph, 4);
      report.Add(DescribePosition(spot.x, spot.y) + kParagraph, 6);
      // Both ends of the approach need a spot to measure it.
      if (earlier && march::SpotOf(*earlier) != POSITION_NONE && spot != POSITION_NONE) {
        const std::string sentence = SizeSentence(*this, *earlier, *place);
        if (!sentence.empty()) report.Add(sentence, 2);
      }
      earlier = place;
      report.AddComment(m_pDocument, step);
      AddNeighbours(report, *place);
      report.Add(kSeparator, 2);
    }
    if (const CStepInst* inst = FindStepInst(step)) {
      report.Add(inst->DescribeStepInst(true) + kParagraph, 4);
      report.AddComment(m_pDocument, step);
      report.Add(kSeparator, 2);
    }
  }
  if (lineCount) *lineCount = report.lines;
  return report.text;
}

}  // namespace px
