#pragma once
// Step sizes of one approach, shared by GetStepSize and the step report.

namespace px {

class CPerson;
class CPlace;

// Inches per step on the approach from `from` to `to`, by the march mode of `to`; 0 when
// the approach has no steps or a place has no formation. A Follow approach builds the
// person's follow path to measure it, and leaves the person's current position on `to`'s spot.
double ApproachStepSize(CPerson& person, CPlace& from, CPlace& to);

}  // namespace px
