// Float: a straight line at even speed.
#include "core/people/march.h"

namespace px::march {

CPoint Float(const Leg& leg) { return Lerp(SpotOf(leg.from), SpotOf(leg.to), leg.elapsed, leg.total); }

}  // namespace px::march
