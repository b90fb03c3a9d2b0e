#pragma once
// Which steps the printed field charts show, one step per page.
#include <vector>

#include "core/doc/pxdoc.h"

namespace px {

enum PrintRange : int { PRINT_CURRENT_STEP = 0, PRINT_STEPS = 1, PRINT_PICTURES = 2 };

// The step of every page, in page order, for the document's print range: the current step;
// every step from 0 to the last (page p shows step p - 1); or every picture (a step where a
// formation begins).
std::vector<int> PrintedSteps(const CPxDoc& doc);

// Makes `step` current for a printed page and recomputes every position.
void ShowStepForPrinting(CPxDoc& doc, int step);

}  // namespace px
