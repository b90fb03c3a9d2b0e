#pragma once
// The Draw menu: one command per pointer tool, checked while its tool is current.
namespace px {

class CommandRegistry;
void RegisterToolCommands(CommandRegistry& registry);

}  // namespace px
