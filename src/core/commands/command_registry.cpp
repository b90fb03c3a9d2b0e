#include "core/commands/command_registry.h"

#include "core/commands/register_commands.h"

namespace px {

std::string PlainMenuText(const std::string& text) {
  std::string plain;
  for (char c : text.substr(0, text.find('\t')))
    if (c != '&') plain += c;
  return plain;
}

const CommandEntry* CommandRegistry::Find(const std::string& name) const {
  const auto slash = name.find('/');
  const CommandEntry* found = nullptr;
  for (const CommandEntry& entry : m_entries) {
    const bool matches = slash == std::string::npos
                             ? PlainMenuText(entry.text) == name
                             : entry.menu == name.substr(0, slash) && PlainMenuText(entry.text) == name.substr(slash + 1);
    if (!matches) continue;
    if (found) return nullptr;  // the same text in two menus needs the menu's name
    found = &entry;
  }
  return found;
}

const CommandRegistry& ShowCommands() {
  static const CommandRegistry registry = [] {
    CommandRegistry r;
    RegisterAllCommands(r);
    return r;
  }();
  return registry;
}

}  // namespace px
