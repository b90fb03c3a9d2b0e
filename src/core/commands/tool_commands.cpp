#include "core/commands/tool_commands.h"

#include "core/commands/command_registry.h"

namespace px {

void RegisterToolCommands(CommandRegistry& registry) {
  struct Tool {
    const char* text;
    const char* tip;
  };
  static const Tool kTools[] = {
      {"Formation Sele&ct Pointer", "Select, move and resize formations"},
      {"Rotate Pointer", "Rotate formations about their pivot points"},
      {"Skew Pointer", "Skew formations"},
      {"People Select Pointer", "Select people"},
      {"Order Pointer", "Put the selected people of a formation in the order you click them"},
      {"Lasso Pointer", "Select the people inside a drawn outline"},
      {"P&oint", "Draw a point"},
      {"&Line", "Draw a line"},
      {"&Rectangle", "Draw a rectangle"},
      {"&Ellipse", "Draw an ellipse"},
      {"&Polygon", "Draw a polygon"},
      {"&Closed Polygon", "Draw a closed polygon"},
      {"C&urve", "Draw a curve"},
      {"&Arc", "Draw an arc"},
  };
  for (const Tool& tool : kTools) {
    const std::string plain = PlainMenuText(tool.text);
    CommandEntry entry;
    entry.menu = "Draw";
    entry.text = tool.text;
    entry.tip = tool.tip;
    entry.checked = [plain](const CommandContext& ctx) { return ctx.view.IsCurrentTool(plain); };
    entry.run = [plain](CommandContext& ctx) { ctx.view.SelectTool(plain); };
    // The drawing tools follow the pointers after a separator.
    entry.separatorBefore = plain == "Point";
    registry.Add(std::move(entry));
  }
}

}  // namespace px
