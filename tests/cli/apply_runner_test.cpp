// The command-script runner on a registry of its own: selection order, menu names, disabled
// commands, questions, dialog fields in script order, refusals, and scripts that cannot run.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/apply_runner.h"
#include "core/commands/tool_commands.h"
#include "core/support/shows.h"

namespace px::test {
namespace {

// A dialog whose check box clears the number, and whose OK refuses numbers above 10.
struct GadgetDialog : DialogModel {
  int number = 1;
  bool clear = false;
  std::string name;
  std::string Caption() const override { return "Gadget"; }
  std::vector<DialogControl> Controls() override {
    return {IntControl("Number", number),
            {"Clear", [this](const std::string& v) {
               clear = ControlBool(v);
               if (clear) number = 0;
             }},
            TextControl("text", name)};
  }
  std::optional<DialogMessage> Validate() override {
    if (number > 10) return DialogMessage{"Too big", "Gadget"};
    return std::nullopt;
  }
};

CommandRegistry Registry() {
  CommandRegistry r;
  auto say = [](const std::string& text) { return [text](CommandContext& c) { c.ui.MessageBox(text, "Said"); }; };
  r.Add({"Formation", "&Renumber", "", nullptr, nullptr, say("formations")});
  r.Add({"People", "Renumber", "", nullptr, nullptr, say("people")});
  r.Add({"Edit", "&List\tCtrl+L", "", [](const CommandContext& c) { return !c.doc.m_selection.Empty(); }, nullptr,
         [](CommandContext& c) {
           std::string text;
           for (const CFormation* f : c.doc.m_selection.formations) text += " F" + std::to_string(f->m_nNumber);
           for (const CPerson* p : c.doc.m_selection.people) text += " P" + std::to_string(p->Id());
           c.ui.MessageBox(text + " at " + std::to_string(c.doc.m_nCurrentStep), "List");
         }});
  r.Add({"Edit", "Ask", "", nullptr, nullptr, [](CommandContext& c) {
           const bool yes = c.ui.AskYesNo("Sure?", "Ask");
           const Answer three = c.ui.AskYesNoCancel(yes ? "Really?" : "Why?", "Ask");
           c.ui.MessageBox(three == Answer::Cancel ? "cancelled" : "done", "Ask");
         }});
  r.Add({"Edit", "Gadget...", "", nullptr, nullptr, [](CommandContext& c) {
           GadgetDialog d;
           const std::string button = c.dialogs.Run(d);
           c.ui.MessageBox(button + " " + std::to_string(d.number) + " " + d.name, "Gadget");
         }});
  r.Add({"Edit", "Count", "", nullptr, nullptr, [](CommandContext& c) {
           c.ui.MessageBox(std::to_string(c.doc.m_formations.size()) + " selected " +
                               std::to_string(c.doc.m_selection.formations.size()),
                           "Count");
         }});
  RegisterToolCommands(r);
  return r;
}

struct Case {
  const char* script;
  const char* out;       // what the script prints
  int errorAt = -2;      // the action index of the error; -2 when it runs
  const char* error = "";
};

TEST(ApplyRunner, ScriptsPrintWhatTheCommandsShowOrStopWhereTheyCannotRun) {
  const Case cases[] = {
      // Selections keep the script's order; "add" adds, a key left out keeps its selection.
      {R"([{"step": 8}, {"select": {"formations": [2, 1], "people": [7]}}, {"select": {"formations": [3]}, "add": true},
           {"select": {"people": []}}, {"command": "List"}])",
       "List:  F2 F1 F3 at 8\n"},
      {R"([{"command": "List"}, {"command": "People/Renumber"}, {"command": "Formation/Renumber"}])",
       "List: not available\nSaid: people\nSaid: formations\n"},
      {R"([{"command": "Renumber"}])", "", 0, "\"Formation/Renumber\", \"People/Renumber\""},
      {R"([{"command": "Ask", "answers": ["No", "Cancel", "Yes"]}])", "Ask? Sure? -> No\nAsk? Why? -> Cancel\nAsk: cancelled\n"},
      {R"([{"command": "Ask", "answers": ["Yes"]}])", "Ask? Sure? -> Yes\n", 0, "no answer left"},
      {R"([{"command": "Ask", "answers": ["Cancel"]}])", "", 0, "has no Cancel"},
      // Fields are set in the script's order, so the check box's interlock sees the number.
      {R"([{"command": "Gadget...", "dialogs": [{"fields": {"Clear": true, "Number": 5}}, {"button": "Cancel"}]},
           {"command": "Gadget...", "dialogs": [{"fields": {"Number": "5", "Clear": 1, "text": "Wé"}}]}])",
       "Gadget: OK 5 \nGadget: OK 0 W\xc3\xa9\n"},
      {R"([{"command": "Gadget...", "dialogs": [{"fields": {"Number": 11}}]}])", "Gadget: Too big\nGadget: Cancel 11 \n"},
      {R"([{"command": "Gadget...", "dialogs": [{"button": "Cancel"}]}])", "Gadget: Cancel 1 \n"},
      {R"([{"step": 1}, {"command": "Gadget..."}])", "", 1, "no dialog entry left"},
      {R"([{"command": "Gadget...", "dialogs": [{"fields": {"Count": 3}}]}])", "", 0, "no control \"Count\""},
      {R"([{"command": "Gadget...", "dialogs": [{"button": "Apply"}]}])", "", 0, "no button \"Apply\""},
      {R"([{"command": "Flip"}])", "", 0, "unknown command \"Flip\""},
      {R"([{"select": {"formations": [9]}}])", "", 0, "no formation 9"},
      {R"([{"step": 2}, {"command": "Ask", "dialog": []}])", "", 1, "unknown key \"dialog\""},
      {R"([{"mouse": "Rectangle", "events": [["press", 1, 2]]}])", "", 0, "unknown mouse event"},
      // Mouse actions in field units on a 1600 by 1000 pixel view: 20 pixels are 108 units.
      {R"([{"mouse": "Rectangle", "events": [["down", 6000, 3000], ["move", 6060, 3040], ["up", 6060, 3040]]},
           {"command": "Count"},
           {"mouse": "Rectangle", "events": [["down", 6000, 3000], ["move", 6110, 3000], ["up", 6110, 3000]]},
           {"command": "Count"}])",
       "Count: 3 selected 0\nCount: 4 selected 1\n"},
      {R"([{"select": {"people": [7]}}, {"mouse": "Order Pointer", "events": [["down", 1, 1]]}, {"command": "Count"}])",
       "Order Person Tool: To use the order person tool, all selected persons must be on the same formation.\n"
       "Count: 3 selected 0\n"},
      {R"([{"mouse": "Ask"}])", "", 0, "not a pointer tool"},
      {R"({"command": "Ask"})", "", -1, "a list of actions"},
      {R"([{"command": "Ask"},])", "", -1, "not JSON"},
  };
  const CommandRegistry registry = Registry();
  for (const Case& c : cases) {
    ShowBuilder show;
    for (int step : {0, 8, 16}) show.Formation(step);
    show.doc.RenumberFormations();
    show.Person(7);
    std::ostringstream out;
    int errorAt = -2;
    std::string error;
    try {
      ScriptRunner(show.doc, out, registry).Run(ParseScript(c.script));
    } catch (const ScriptError& e) {
      errorAt = e.action;
      error = e.what();
    }
    EXPECT_EQ(out.str(), c.out) << c.script;
    EXPECT_EQ(errorAt, c.errorAt) << c.script << "\n" << error;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.script << "\n" << error;
  }
}

}  // namespace
}  // namespace px::test
