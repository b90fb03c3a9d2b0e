#include "core/commands/formation_properties_command.h"

#include "core/people/step_calculator_dialog.h"

namespace px {
namespace {

constexpr const char* kCaption = "Formation Properties";

// Steps 3 to 8 for one formation; returns the formation that stands in its place afterwards.
CFormation* ApplyToFormation(CPxDoc& doc, Ui& ui, FormationView* view, const FormationPropertiesDialog& model,
                             CFormation* formation) {
  model.ApplyTo(*formation, view);
  if (formation->m_nStep > doc.m_nLastStep) {
    doc.m_nLastStep = formation->m_nStep;
    ui.RedrawTimeLine();
  }
  doc.SetCurrentStep(formation->m_nStep);
  for (CPlace* place : formation->m_ppPlaces)
    if (place) place->m_nStep = formation->m_nStep;

  if (model.m_nShape != formation->m_nShape || model.m_nSides > 2) {
    const int sides = model.m_nSides > 0 ? model.m_nSides : 0;
    const double star = sides > 0 ? ReadNumber(model.m_strStar) : 0.0;
    CFormation* converted = formation->ConvertTo(model.m_nShape, doc, true, sides, star);
    if (converted != formation) {
      doc.RemoveFormation(formation);
      formation = converted;
    }
  }
  if (model.m_bScaleToInterval || model.m_bScaleToFit) formation->ScaleToPeople(view, model.m_bScaleToInterval);
  doc.SetModifiedFlag();
  if (model.m_bCornerPivot)
    formation->CornerPivot(view);
  else if (model.m_bCenterPivot)
    formation->CenterPivot(view);
  if (model.m_bReverse != (formation->m_bReverse != 0)) formation->Reverse();
  return formation;
}

}  // namespace

bool RunFormationProperties(CPxDoc& doc, Ui& ui, FormationView* view, ParkingLayout layout,
                            const PropertiesDialogRunner& runDialog) {
  if (doc.m_selection.formations.empty()) {
    ui.MessageBox("To use this command, first select one or more formations.", kCaption);
    return false;
  }
  FormationPropertiesDialog model;
  for (const CFormation* formation : doc.m_selection.formations) model.LoadFrom(*formation);
  if (!runDialog(model)) return false;
  if (doc.m_selection.formations.size() > 1 &&
      !ui.AskYesNo("These properties will apply to ALL selected formations.  Continue?", kCaption))
    return false;

  doc.SaveUndoSnapshot();
  ui.SetStatusText("Processing...");
  // A conversion replaces a formation in the document (and drops it from the selection), so
  // walk a copy of the selection.
  const std::vector<CFormation*> selected = doc.m_selection.formations;
  for (CFormation* formation : selected) ApplyToFormation(doc, ui, view, model, formation);

  doc.m_selection.formations.clear();
  doc.SetModifiedFlag();
  for (const auto& person : doc.m_people) {
    person->InvalidateAllPositions();
    person->GetPosition(doc.m_nCurrentStep);
  }
  doc.ParkPeopleWithoutPlace(layout);
  ui.UpdateAllViews();
  ui.SetStatusText("");
  return true;
}

}  // namespace px
