#include "cli/apply_script.h"

#include <algorithm>
#include <climits>
#include <nlohmann/json.hpp>
#include <set>

#include "core/util/cp1252.h"

namespace px {
namespace {

// Fields are set in the order the script writes them: the order of the keys matters.
using Json = nlohmann::ordered_json;

[[noreturn]] void Bad(const std::string& what) { throw ScriptError(-1, what); }

void OnlyKeys(const Json& object, const std::set<std::string>& allowed, const std::string& what) {
  for (const auto& [key, value] : object.items())
    if (!allowed.count(key)) Bad("unknown key \"" + key + "\" in " + what);
}

int Integer(const Json& value, const std::string& what) {
  if (!value.is_number_integer() || value.get<long long>() < INT_MIN || value.get<long long>() > INT_MAX)
    Bad(what + " must be a whole number");
  return value.get<int>();
}

std::vector<int> Integers(const Json& value, const std::string& what) {
  if (!value.is_array()) Bad(what + " must be a list of numbers");
  std::vector<int> numbers;
  for (const Json& n : value) numbers.push_back(Integer(n, what));
  return numbers;
}

std::string Text(const Json& value, const std::string& what) {
  if (!value.is_string()) Bad(what + " must be a text");
  return value.get<std::string>();
}

// A control's value as the dialog reads it: numbers as written, checks as 1 or 0, texts in
// the show's character set.
std::string ControlValue(const Json& value, const std::string& control) {
  if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
  if (value.is_number()) return value.dump();
  if (value.is_string()) return Utf8ToCp1252(value.get<std::string>());
  Bad("the value of \"" + control + "\" must be a number, a text, true or false");
}

std::vector<DialogScript> Dialogs(const Json& value) {
  if (!value.is_array()) Bad("\"dialogs\" must be a list");
  std::vector<DialogScript> dialogs;
  for (const Json& entry : value) {
    if (!entry.is_object()) Bad("each dialog entry must be an object");
    OnlyKeys(entry, {"fields", "button"}, "a dialog entry");
    DialogScript dialog;
    if (entry.contains("fields")) {
      if (!entry["fields"].is_object()) Bad("\"fields\" must be an object");
      for (const auto& [name, v] : entry["fields"].items()) dialog.fields.emplace_back(name, ControlValue(v, name));
    }
    if (entry.contains("button")) dialog.button = Text(entry["button"], "\"button\"");
    dialogs.push_back(std::move(dialog));
  }
  return dialogs;
}

std::vector<std::string> Answers(const Json& value) {
  if (!value.is_array()) Bad("\"answers\" must be a list");
  std::vector<std::string> answers;
  for (const Json& a : value) {
    const std::string answer = Text(a, "an answer");
    if (answer != "Yes" && answer != "No" && answer != "Cancel") Bad("an answer is \"Yes\", \"No\" or \"Cancel\"");
    answers.push_back(answer);
  }
  return answers;
}

std::vector<MouseEvent> Events(const Json& value) {
  static const std::pair<const char*, MouseEvent::Kind> kKinds[] = {
      {"down", MouseEvent::Down}, {"move", MouseEvent::Move}, {"up", MouseEvent::Up}, {"dblclk", MouseEvent::DoubleClick}};
  if (!value.is_array()) Bad("\"events\" must be a list");
  std::vector<MouseEvent> events;
  for (const Json& e : value) {
    if (!e.is_array() || e.size() != 3) Bad("a mouse event is [\"down\", X, Y]");
    const std::string kind = Text(e[0], "a mouse event's kind");
    const auto known = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto& k) { return kind == k.first; });
    if (known == std::end(kKinds)) Bad("unknown mouse event \"" + kind + "\" (down, move, up, dblclk)");
    events.push_back({known->second, CPoint{Integer(e[1], "X"), Integer(e[2], "Y")}});
  }
  return events;
}

void Keys(const Json& value, ScriptAction& action) {
  const std::string keys = Text(value, "\"keys\"");
  if (keys != "shift" && keys != "ctrl" && keys != "shift+ctrl") Bad("\"keys\" is \"shift\", \"ctrl\" or \"shift+ctrl\"");
  action.shift = keys != "ctrl";
  action.ctrl = keys != "shift";
}

ScriptAction Action(const Json& json) {
  if (!json.is_object()) Bad("an action must be an object");
  ScriptAction action;
  if (json.contains("step")) {
    OnlyKeys(json, {"step"}, "a step action");
    action.kind = ScriptAction::Step;
    action.step = Integer(json["step"], "\"step\"");
    if (action.step < 0) Bad("\"step\" cannot be negative");
  } else if (json.contains("select")) {
    OnlyKeys(json, {"select", "add"}, "a select action");
    action.kind = ScriptAction::Select;
    const Json& select = json["select"];
    if (!select.is_object()) Bad("\"select\" must be an object");
    OnlyKeys(select, {"formations", "people"}, "\"select\"");
    if (select.contains("formations")) action.formations = Integers(select["formations"], "\"formations\"");
    if (select.contains("people")) action.people = Integers(select["people"], "\"people\"");
    if (json.contains("add")) {
      if (!json["add"].is_boolean()) Bad("\"add\" is true or false");
      action.add = json["add"].get<bool>();
    }
  } else if (json.contains("command") || json.contains("mouse")) {
    const bool mouse = json.contains("mouse");
    if (mouse) {
      OnlyKeys(json, {"mouse", "events", "keys", "dialogs", "answers"}, "a mouse action");
      action.kind = ScriptAction::Mouse;
      action.name = Text(json["mouse"], "\"mouse\"");
      if (json.contains("events")) action.events = Events(json["events"]);
      if (json.contains("keys")) Keys(json["keys"], action);
    } else {
      OnlyKeys(json, {"command", "dialogs", "answers"}, "a command action");
      action.kind = ScriptAction::Command;
      action.name = Text(json["command"], "\"command\"");
    }
    if (json.contains("dialogs")) action.dialogs = Dialogs(json["dialogs"]);
    if (json.contains("answers")) action.answers = Answers(json["answers"]);
  } else {
    Bad("an action is one of \"step\", \"select\", \"command\" or \"mouse\"");
  }
  return action;
}

}  // namespace

std::vector<ScriptAction> ParseScript(const std::string& text) {
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& e) {
    throw ScriptError(-1, std::string("not JSON: ") + e.what());
  }
  if (!json.is_array()) throw ScriptError(-1, "a script is a list of actions");
  std::vector<ScriptAction> actions;
  for (size_t i = 0; i < json.size(); ++i) {
    try {
      actions.push_back(Action(json[i]));
    } catch (const ScriptError& e) {
      throw ScriptError(static_cast<int>(i), e.what());
    }
  }
  return actions;
}

}  // namespace px
