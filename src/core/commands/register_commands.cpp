#include "core/commands/register_commands.h"

#include "core/commands/command_registry.h"
#include "core/commands/formation_commands.h"
#include "core/commands/tool_commands.h"

namespace px {

void RegisterAllCommands(CommandRegistry& registry) {
  RegisterToolCommands(registry);
  RegisterFormationCommands(registry);
}

}  // namespace px
