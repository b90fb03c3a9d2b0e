#include "core/commands/edit_commands.h"

#include <filesystem>

#include "core/commands/command_registry.h"
#include "core/commands/show_clipboard.h"
#include "core/doc/undo_file.h"

namespace px {
namespace {

// Every repeated paste lands this much further right and down (36 inches), so the copies do
// not lie on top of each other.
constexpr int kPasteOffset = 72;

// People stand where the changed show puts them, those without a place are parked, and every
// view shows the result.
void SettleAndUpdate(const CommandContext& ctx) {
  ctx.doc.ParkPeopleWithoutPlace(ctx.view.Parking());
  ctx.ui.UpdateAllViews();
}

// Undo and Redo replace every record, so nothing may stay selected or drawn as selected.
void Restore(CommandContext& ctx, void (CPxDoc::*apply)()) {
  ctx.doc.m_selection.Clear();
  ctx.ui.UpdateAllViews();
  (ctx.doc.*apply)();
  ctx.ui.RedrawTimeLine();
  SettleAndUpdate(ctx);
}

void Undo(CommandContext& ctx) {
  std::error_code ec;
  if (!ctx.doc.m_bUndoToMemory && !std::filesystem::exists(UndoFilePath(), ec)) return;
  Restore(ctx, &CPxDoc::ApplyUndo);
}

void DeleteSelected(const CommandContext& ctx) {
  CPxDoc& doc = ctx.doc;
  if (doc.m_selection.formations.empty()) return;
  doc.SaveUndoSnapshot();
  // Removing a formation drops it from the selection: walk a copy.
  const std::vector<CFormation*> selected = doc.m_selection.formations;
  for (CFormation* formation : selected) doc.RemoveFormation(formation);
  doc.SetModifiedFlag();
  SettleAndUpdate(ctx);
}

// True when something was copied.
bool CopySelected(const CommandContext& ctx) {
  if (ctx.doc.m_selection.formations.empty()) return false;
  ShowClipboard& clipboard = TheShowClipboard();
  clipboard.ClearFormations();
  for (const CFormation* formation : ctx.doc.m_selection.formations) clipboard.AddFormation(*formation);
  ctx.view.PasteCount() = 1;
  return true;
}

void Paste(const CommandContext& ctx) {
  CPxDoc& doc = ctx.doc;
  ctx.ui.SetStatusText("Pasting...");
  doc.SaveUndoSnapshot();
  int& pastes = ctx.view.PasteCount();
  const int offset = kPasteOffset * pastes;
  for (const ShowClipboard::Formation& entry : TheShowClipboard().Formations()) {
    CFormation* pasted = entry.formation->Clone(doc);
    if (offset != 0) pasted->ShiftBy(offset, offset, &ctx.view);
  }
  ++pastes;
  doc.SetModifiedFlag();
  ctx.ui.UpdateAllViews();
  ctx.ui.SetStatusText("");
}

void SelectAll(const CommandContext& ctx) {
  CPxDoc& doc = ctx.doc;
  doc.m_selection.formations.clear();
  for (const auto& formation : doc.m_formations)
    if (formation->m_nStep == doc.m_nCurrentStep) doc.m_selection.formations.push_back(formation.get());
  ctx.ui.UpdateAllViews();
}

CommandEntry Toggle(const char* text, const char* tip, int CPxDoc::*flag) {
  return CommandEntry{"Edit/Undo Options", text, tip, nullptr,
                      [flag](const CommandContext& ctx) { return ctx.doc.*flag != 0; },
                      [flag](CommandContext& ctx) { ctx.doc.*flag = ctx.doc.*flag != 0 ? 0 : 1; }};
}

}  // namespace

void RegisterEditCommands(CommandRegistry& registry) {
  registry.Add({"Edit", "Undo\tCtrl+Z", "Undo the last action",
                [](const CommandContext& ctx) { return ctx.doc.m_bUndoEnabled != 0 && ctx.doc.IsModified(); }, nullptr,
                Undo});
  registry.Add({"Edit", "Redo\tCtrl+Y", "Put back what the last Undo took away",
                [](const CommandContext& ctx) { return ctx.doc.CanRedo(); }, nullptr,
                [](CommandContext& ctx) { Restore(ctx, &CPxDoc::ApplyRedo); }});
  registry.Add(Toggle("Undo Enabled", "Keep a snapshot before every change, for Undo", &CPxDoc::m_bUndoEnabled));
  registry.Add(Toggle("Undo To Memory", "Keep the undo snapshot in memory rather than in a file",
                      &CPxDoc::m_bUndoToMemory));
  CommandEntry cut{"Edit", "Cu&t\tCtrl+X", "Move the selected formations to the clipboard", nullptr, nullptr,
                   [](CommandContext& ctx) {
                     if (CopySelected(ctx)) DeleteSelected(ctx);
                   }};
  cut.separatorBefore = true;
  registry.Add(std::move(cut));
  registry.Add({"Edit", "&Copy\tCtrl+C", "Copy the selected formations to the clipboard", nullptr, nullptr,
                [](CommandContext& ctx) { CopySelected(ctx); }});
  registry.Add({"Edit", "&Paste\tCtrl+V", "Paste the formations of the clipboard at the current step",
                [](const CommandContext& ctx) {
                  return !ctx.view.Is3D() && !TheShowClipboard().Formations().empty();
                },
                nullptr, Paste});
  registry.Add({"Edit", "&Delete\tDel", "Delete the selected formations", nullptr, nullptr, DeleteSelected});
  registry.Add({"Edit", "Select &All\tCtrl+A", "Select every formation of the current step", nullptr, nullptr,
                SelectAll});
}

}  // namespace px
