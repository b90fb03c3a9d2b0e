#pragma once
// Each group of commands registers itself here, in the order of the menus.
namespace px {

class CommandRegistry;

void RegisterAllCommands(CommandRegistry& registry);

}  // namespace px
