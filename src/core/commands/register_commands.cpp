#include "core/commands/register_commands.h"

#include "core/commands/command_registry.h"
#include "core/commands/edit_commands.h"
#include "core/commands/formation_commands.h"
#include "core/commands/tool_commands.h"

namespace px {

void RegisterAllCommands(CommandRegistry& registry) {
  // Each command group adds one line here, in menu order.
  RegisterEditCommands(registry);
  RegisterToolCommands(registry);
  RegisterFormationCommands(registry);
}

}  // namespace px
