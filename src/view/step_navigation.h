#pragma once
// Looking at another step of the show from the field view: Next Step and Previous Step.
#include "core/doc/pxdoc.h"

namespace px {

// Makes `step` current, computes every position there and parks the people without one.
void ShowStep(CPxDoc& doc, int step, ParkingLayout layout);

// One step forward; the show's last step grows with it.
void NextStep(CPxDoc& doc, ParkingLayout layout);
// One step back; false (and nothing changes) at step 0.
bool PreviousStep(CPxDoc& doc, ParkingLayout layout);

}  // namespace px
