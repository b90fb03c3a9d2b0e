#pragma once
// The cursors of the pointer tools, drawn by the program: the standard arrow, and images of
// our own for handles, drawing, rotating, skewing and ordering people.
#include <QCursor>

#include "core/tools/pointer_tools.h"

namespace px {

QCursor ToolCursorImage(ToolCursor cursor);

}  // namespace px
