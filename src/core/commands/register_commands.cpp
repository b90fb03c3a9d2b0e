#include "core/commands/register_commands.h"

#include "core/commands/command_registry.h"

namespace px {

void RegisterAllCommands(CommandRegistry& registry) {
  (void)registry;  // each command group adds a line here: RegisterEditCommands(registry); ...
}

}  // namespace px
