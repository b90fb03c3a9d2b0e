#include "cli/apply_runner.h"

#include "core/animation/navigation.h"

namespace px {
namespace {

[[noreturn]] void Bad(const std::string& what) { throw ScriptError(-1, what); }

}  // namespace

ScriptRunner::ScriptRunner(CPxDoc& doc, std::ostream& out, const CommandRegistry& commands)
    : m_doc(doc), m_out(out), m_commands(commands), m_ui(out), m_dialogs(m_ui), m_view(doc, m_ui) {
  m_view.OnEditProperties([this] { RunEntry(Find("Formation Properties...")); });
}

void ScriptRunner::Run(const std::vector<ScriptAction>& actions) {
  for (size_t i = 0; i < actions.size(); ++i) {
    try {
      RunAction(actions[i]);
      m_view.RefreshPositions();
    } catch (const ScriptError& e) {
      throw ScriptError(static_cast<int>(i), e.what());
    } catch (const DialogScriptError& e) {
      throw ScriptError(static_cast<int>(i), e.what());
    }
  }
}

void ScriptRunner::RunAction(const ScriptAction& action) {
  switch (action.kind) {
    case ScriptAction::Step:
      GoToStep(m_doc, m_ui, action.step);
      break;
    case ScriptAction::Select:
      Select(action);
      break;
    case ScriptAction::Command:
      RunCommand(action);
      break;
    case ScriptAction::Mouse:
      RunMouse(action);
      break;
  }
}

void ScriptRunner::Select(const ScriptAction& action) {
  Selection& selection = m_doc.m_selection;
  if (action.formations) {
    if (!action.add) selection.formations.clear();
    for (int number : *action.formations) {
      const auto& all = m_doc.m_formations;
      const auto it = std::find_if(all.begin(), all.end(), [&](const auto& f) { return f->m_nNumber == number; });
      if (it == all.end()) Bad("the show has no formation " + std::to_string(number));
      selection.Add(it->get());
    }
  }
  if (action.people) {
    if (!action.add) selection.people.clear();
    for (int id : *action.people) {
      const auto& all = m_doc.m_people;
      const auto it = std::find_if(all.begin(), all.end(), [&](const auto& p) { return p->Id() == id; });
      if (it == all.end()) Bad("the show has no person " + std::to_string(id));
      selection.Add(it->get());
    }
  }
}

const CommandEntry& ScriptRunner::Find(const std::string& name) const {
  if (const CommandEntry* entry = m_commands.Find(name)) return *entry;
  std::string menus;
  for (const CommandEntry& entry : m_commands.Entries())
    if (PlainMenuText(entry.text) == name) menus += (menus.empty() ? "\"" : ", \"") + entry.menu + "/" + name + "\"";
  if (!menus.empty()) Bad("\"" + name + "\" is in more than one menu: write " + menus);
  Bad("unknown command \"" + name + "\"");
}

void ScriptRunner::Prepare(const ScriptAction& action) {
  m_dialogs.Clear();
  for (const DialogScript& dialog : action.dialogs) m_dialogs.Push(dialog);
  m_ui.SetAnswers(action.answers);
}

void ScriptRunner::RunCommand(const ScriptAction& action) {
  const CommandEntry& entry = Find(action.name);
  Prepare(action);
  if (!RunEntry(entry)) m_out << action.name << ": not available\n";
}

bool ScriptRunner::RunEntry(const CommandEntry& entry) {
  CommandContext context{m_doc, m_ui, m_dialogs, m_view};
  if (entry.enabled && !entry.enabled(context)) return false;
  entry.run(context);
  return true;
}

void ScriptRunner::RunMouse(const ScriptAction& action) {
  const std::string tool = PlainMenuText(Find(action.name).text);
  Prepare(action);
  const size_t shown = m_ui.MessagesShown();
  if (!m_view.SelectTool(tool)) {
    // A tool may refuse with a message (the order pointer); the script goes on without it.
    if (m_ui.MessagesShown() > shown) return;
    Bad("\"" + action.name + "\" is not a pointer tool");
  }
  PointerTools& tools = m_view.tools();
  Keys keys{action.shift, action.ctrl, false};
  for (const MouseEvent& event : action.events) {
    switch (event.kind) {
      case MouseEvent::Down:
        keys.button = true;
        tools.ButtonDown(event.point, keys);
        break;
      case MouseEvent::Move:
        tools.Move(event.point, keys);
        break;
      case MouseEvent::Up:
        keys.button = false;
        tools.ButtonUp(event.point, keys);
        break;
      case MouseEvent::DoubleClick:
        keys.button = true;
        tools.DoubleClick(event.point, keys);
        break;
    }
  }
}

}  // namespace px
