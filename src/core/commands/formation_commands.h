#pragma once
// The Formation menu's commands on the selected formations: properties, flips, mirror,
// alignment, thinning and doubling vertices, renumbering.
#include "core/commands/command_registry.h"

namespace px {

void RegisterFormationCommands(CommandRegistry& registry);

// Flip(x, y, mode) of every selected formation's clone about the middle of the view's field
// (mode 0 horizontal, 1 vertical, 2 both); with deleteOriginals the selected ones go.
void MirrorFormations(CommandContext& ctx, int mode, bool deleteOriginals);
// One of the fourteen AlignChoice values on the selection.
void AlignFormations(CommandContext& ctx, int choice);

}  // namespace px
