#include "core/commands/formation_commands.h"

#include <algorithm>
#include <climits>

#include "core/commands/align_dialog.h"
#include "core/commands/formation_properties_command.h"
#include "core/commands/mirror_dialog.h"

namespace px {
namespace {

// The field's middle across: half of the 100-yard span.
constexpr int kFieldMiddleX = 4320;

// What every command here ends with: the show is changed, people stand where they now are,
// the views show it.
void Finish(CommandContext& ctx) {
  ctx.doc.SetModifiedFlag();
  ctx.doc.ParkPeopleWithoutPlace(ctx.view.Parking());
  ctx.ui.UpdateAllViews();
}

void RunProperties(CommandContext& ctx) {
  RunFormationProperties(ctx.doc, ctx.ui, &ctx.view, ctx.view.Parking(),
                         [&](FormationPropertiesDialog& model) { return ctx.dialogs.Run(model) == kButtonOk; });
}

void RunFlip(CommandContext& ctx, bool horizontal) {
  if (ctx.doc.m_selection.formations.empty()) return;
  ctx.doc.SaveUndoSnapshot();
  for (CFormation* f : ctx.doc.m_selection.formations) f->FlipInPlace(horizontal, &ctx.view);
  Finish(ctx);
}

void RunMirror(CommandContext& ctx) {
  MirrorDialog model;
  if (ctx.dialogs.Run(model) != kButtonOk) return;
  MirrorFormations(ctx, model.m_nAxis, model.m_bDeleteOriginal);
}

void RunAlign(CommandContext& ctx) {
  AlignDialog model;
  if (ctx.dialogs.Run(model) != kButtonOk) return;
  AlignFormations(ctx, model.m_nChoice);
}

void RunThinOrDouble(CommandContext& ctx, bool thin) {
  const std::vector<CFormation*>& selected = ctx.doc.m_selection.formations;
  // The refusal comes before the snapshot, so that it leaves the last change undoable.
  if (std::none_of(selected.begin(), selected.end(), [](CFormation* f) { return dynamic_cast<CDrawPoly*>(f); })) {
    ctx.ui.MessageBox("This command only works on Polygons or Curves.", thin ? "Thin Points" : "Double Points");
    return;
  }
  ctx.ui.SetStatusText(thin ? "Thinning points..." : "Doubling points...");
  ctx.doc.SaveUndoSnapshot();
  bool changed = false;
  for (CFormation* f : selected)
    if (auto* poly = dynamic_cast<CDrawPoly*>(f)) changed |= thin ? poly->ThinPoints(&ctx.view) : poly->DoublePoints(&ctx.view);
  if (changed) Finish(ctx);
  ctx.ui.SetStatusText("");
}

void RunRenumber(CommandContext& ctx) {
  ctx.doc.SaveUndoSnapshot();
  ctx.doc.RenumberFormations();
  Finish(ctx);
}

// Moves a formation by (dx, dy) when that moves it at all; the views follow each move.
void ShiftIfNeeded(CommandContext& ctx, CFormation* f, int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  f->ShiftBy(dx, dy, &ctx.view);
  ctx.ui.UpdateAllViews();
}

// Left, right, top or bottom of the field bounds.
int Edge(const CRect& r, int side) {
  switch (side) {
    case 0: return r.left;
    case 1: return r.right;
    case 2: return r.top;
    default: return r.bottom;
  }
}

void AlignToEachOther(CommandContext& ctx, int side) {
  static constexpr const char* kCaptions[] = {"Align Formations Left", "Not enough Formations Selected",
                                              "Align Formations Top", "Align Formations Bottom"};
  const std::vector<CFormation*>& selected = ctx.doc.m_selection.formations;
  if (selected.size() < 2) {
    ctx.ui.MessageBox("To use this command, first select two or more formations.", kCaptions[side]);
    return;
  }
  ctx.ui.SetStatusText("Aligning...");
  ctx.doc.SaveUndoSnapshot();
  const bool smallest = side == 0 || side == 2;
  int target = smallest ? INT_MAX : INT_MIN;
  for (const CFormation* f : selected) {
    const int e = Edge(f->FieldBounds(), side);
    target = smallest ? std::min(target, e) : std::max(target, e);
  }
  const bool across = side < 2;
  for (CFormation* f : selected) {
    const int by = target - Edge(f->FieldBounds(), side);
    ShiftIfNeeded(ctx, f, across ? by : 0, across ? 0 : by);
  }
  ctx.ui.SetStatusText("");
  Finish(ctx);
}

void AlignPivots(CommandContext& ctx) {
  const std::vector<CFormation*>& selected = ctx.doc.m_selection.formations;
  if (selected.size() < 2) return;
  ctx.doc.SaveUndoSnapshot();
  const CPoint pivot = selected.front()->m_ptPivot;
  for (size_t i = 1; i < selected.size(); ++i) selected[i]->SetPivot(pivot.x, pivot.y, &ctx.view);
  Finish(ctx);
}

void StraightenLines(CommandContext& ctx, bool vertical) {
  const std::vector<CFormation*>& selected = ctx.doc.m_selection.formations;
  if (std::none_of(selected.begin(), selected.end(), [](const CFormation* f) { return f->m_nShape == SHAPE_LINE; }))
    return;
  ctx.doc.SaveUndoSnapshot();
  for (CFormation* f : selected) f->StraightenLine(vertical, &ctx.view);
  Finish(ctx);
}

void AlignToField(CommandContext& ctx, int side) {
  ctx.ui.SetStatusText("Aligning...");
  if (!ctx.doc.m_selection.formations.empty()) {
    ctx.doc.SaveUndoSnapshot();
    const CRect field = ctx.view.FieldRect();
    for (CFormation* f : ctx.doc.m_selection.formations) {
      const int by = Edge(field, side) - Edge(f->FieldBounds(), side);
      ShiftIfNeeded(ctx, f, side < 2 ? by : 0, side < 2 ? 0 : by);
    }
    Finish(ctx);
  }
  ctx.ui.SetStatusText("");
}

void Center(CommandContext& ctx, bool vertically, bool horizontally) {
  ctx.ui.SetStatusText("Centering...");
  if (!ctx.doc.m_selection.formations.empty()) {
    ctx.doc.SaveUndoSnapshot();
    const CRect field = ctx.view.FieldRect();
    const int middleY = field.top + (field.bottom - field.top) / 2;
    for (CFormation* f : ctx.doc.m_selection.formations) {
      const CRect b = f->FieldBounds();
      const int dx = horizontally ? kFieldMiddleX - (b.left + (b.right - b.left) / 2) : 0;
      const int dy = vertically ? middleY - (b.top + (b.bottom - b.top) / 2) : 0;
      ShiftIfNeeded(ctx, f, dx, dy);
    }
    Finish(ctx);
  }
  ctx.ui.SetStatusText("");
}

}  // namespace

void MirrorFormations(CommandContext& ctx, int mode, bool deleteOriginals) {
  if (ctx.doc.m_selection.formations.empty()) return;
  ctx.ui.SetStatusText("Mirroring...");
  ctx.doc.SaveUndoSnapshot();
  const CRect field = ctx.view.FieldRect();
  const int x = field.left + (field.right - field.left) / 2;
  const int y = field.top + (field.bottom - field.top) / 2;
  // Cloning adds to the document, which may reorder its list; the selection is ours to walk.
  const std::vector<CFormation*> originals = ctx.doc.m_selection.formations;
  for (const CFormation* f : originals) f->Clone(ctx.doc)->Flip(x, y, mode, &ctx.view);
  if (deleteOriginals)
    for (CFormation* f : originals) ctx.doc.RemoveFormation(f);
  Finish(ctx);
  ctx.ui.SetStatusText("");
}

void AlignFormations(CommandContext& ctx, int choice) {
  switch (choice) {
    case ALIGN_LEFT:
    case ALIGN_RIGHT:
    case ALIGN_TOP:
    case ALIGN_BOTTOM: AlignToEachOther(ctx, choice - ALIGN_LEFT); break;
    case ALIGN_PIVOTS: AlignPivots(ctx); break;
    case ALIGN_MAKE_VERTICAL:
    case ALIGN_MAKE_HORIZONTAL: StraightenLines(ctx, choice == ALIGN_MAKE_VERTICAL); break;
    case ALIGN_FIELD_LEFT:
    case ALIGN_FIELD_RIGHT:
    case ALIGN_FIELD_TOP:
    case ALIGN_FIELD_BOTTOM: AlignToField(ctx, choice - ALIGN_FIELD_LEFT); break;
    case ALIGN_CENTER_VERTICAL: Center(ctx, true, false); break;
    case ALIGN_CENTER_HORIZONTAL: Center(ctx, false, true); break;
    case ALIGN_CENTER_BOTH: Center(ctx, true, true); break;
    default: break;
  }
}

void RegisterFormationCommands(CommandRegistry& registry) {
  const auto add = [&registry](const char* text, const char* tip, std::function<void(CommandContext&)> run) {
    registry.Add(CommandEntry{"Formation", text, tip, nullptr, nullptr, std::move(run)});
  };
  add("Formation &Properties...", "Change the selected formations", RunProperties);
  add("Flip Horizontal", "Mirror each selected formation left to right in place",
      [](CommandContext& ctx) { RunFlip(ctx, true); });
  add("Flip Vertical", "Mirror each selected formation top to bottom in place",
      [](CommandContext& ctx) { RunFlip(ctx, false); });
  add("Mirror Formations...", "Add mirror images of the selected formations across the field", RunMirror);
  add("Align Selected Formations...", "Line the selected formations up with each other or the field", RunAlign);
  add("Thin Points", "Remove every second vertex of the selected polygons and curves",
      [](CommandContext& ctx) { RunThinOrDouble(ctx, true); });
  add("Double Points", "Add a vertex between each two of the selected polygons and curves",
      [](CommandContext& ctx) { RunThinOrDouble(ctx, false); });
  add("Renumber", "Number the formations 1, 2, 3 ... in the show's order", RunRenumber);
}

}  // namespace px
