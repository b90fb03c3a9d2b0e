#pragma once
// The Edit menu of the field view: Undo, Redo and the undo options, and Cut, Copy, Paste,
// Delete and Select All of formations through the show clipboard.
namespace px {

class CommandRegistry;

void RegisterEditCommands(CommandRegistry& registry);

}  // namespace px
