#pragma once
// The show's menu commands, each registered once under its menu and menu text, so that the
// desktop program's menus and `pyxaro-cli apply` scripts run the same code.
#include <functional>
#include <string>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/formation/formation_view.h"
#include "core/ui/dialog_model.h"
#include "core/ui/ui.h"

namespace px {

// What a command needs of the field view it is given in.
class CommandView : public FormationView {
 public:
  virtual bool Is3D() const = 0;
  // The field rectangle the view draws (its middle is the mirror axis of Mirror Formations).
  virtual CRect FieldRect() const = 0;
  virtual ParkingLayout Parking() const { return Is3D() ? ParkingLayout::Perspective : ParkingLayout::Normal; }
  // How many times the clipboard was pasted since the last Copy or Cut in this view.
  virtual int& PasteCount() = 0;
  // The pointer tool commands ("Rectangle", "Rotate Pointer"): makes the command's tool
  // current, false when the view has no tools or the tool refuses; and whether the command's
  // tool is the current one.
  virtual bool SelectTool(const std::string& plainText) {
    (void)plainText;
    return false;
  }
  virtual bool IsCurrentTool(const std::string& plainText) const {
    (void)plainText;
    return false;
  }
};

struct CommandContext {
  CPxDoc& doc;
  Ui& ui;
  DialogHost& dialogs;
  CommandView& view;
};

struct CommandEntry {
  std::string menu;   // the menu's name without "&": "Edit", "Formation"
  std::string text;   // the menu text as shown: "Flip Horizontal", "&Paste\tCtrl+V"
  std::string tip;    // the status bar text
  std::function<bool(const CommandContext&)> enabled;  // null: always enabled
  std::function<bool(const CommandContext&)> checked;  // null: not a check item
  std::function<void(CommandContext&)> run;
  bool separatorBefore = false;
};

// The menu text without "&" and without the accelerator after the tab: "Paste".
std::string PlainMenuText(const std::string& text);

class CommandRegistry {
 public:
  void Add(CommandEntry entry) { m_entries.push_back(std::move(entry)); }
  const std::vector<CommandEntry>& Entries() const { return m_entries; }
  // A command by its plain menu text, or by "Menu/Text" where two menus hold the same text;
  // null when unknown or when the plain text is ambiguous.
  const CommandEntry* Find(const std::string& name) const;

 private:
  std::vector<CommandEntry> m_entries;
};

// Every registered command, in menu order.
const CommandRegistry& ShowCommands();

}  // namespace px
