#include "dialogs/view_options_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>


namespace px {
namespace {

using Flag = bool ViewOptionsDialog::*;
using Number = int ViewOptionsDialog::*;
using Colour = COLORREF ViewOptionsDialog::*;

struct FlagControl {
  const char* label;
  Flag member;
};
struct NumberControl {
  const char* label;
  Number member;
};
struct ColourControl {
  const char* label;
  Colour member;
};

// The controls by group, in the dialog's order.
const FlagControl kFormationFlags[] = {
    {"Outline Future", &ViewOptionsDialog::m_bOutlineFuture},
    {"Outline Past", &ViewOptionsDialog::m_bOutlinePast},
    {"Draw On Animate", &ViewOptionsDialog::m_bDrawOnAnimate},
    {"Directional Indicators", &ViewOptionsDialog::m_bDirectionalIndicators},
    {"Show Paths", &ViewOptionsDialog::m_bShowPaths},
    {"Step Beep", &ViewOptionsDialog::m_bStepBeep},
};
const FlagControl kSnapFlags[] = {
    {"Formation Snap On Move", &ViewOptionsDialog::m_bSnapOnMove},
    {"Show Snap Points", &ViewOptionsDialog::m_bShowSnapPoints},
    {"Snap On Size And Draw", &ViewOptionsDialog::m_bSnapOnSizeAndDraw},
};
const FlagControl k3DFlags[] = {
    {"3D Height", &ViewOptionsDialog::m_b3DHeight},
    {"Outline w/ fill color in 3d", &ViewOptionsDialog::m_bOutlineFill3D},
    {"Fill in 3D mode", &ViewOptionsDialog::m_bFill3D},
};
const FlagControl kPeopleFlags[] = {
    {"Letter Fill", &ViewOptionsDialog::m_bLetterFill},
    {"Sticky", &ViewOptionsDialog::m_bSticky},
    {"Bitmap", &ViewOptionsDialog::m_bPeopleAsBitmaps},
    {"Flags", &ViewOptionsDialog::m_bShowFlags},
};
const FlagControl kIdFlags[] = {
    {"Show", &ViewOptionsDialog::m_bShowIdNumbers},
    {"As Index", &ViewOptionsDialog::m_bIdAsIndex},
};
const FlagControl kShowAsFlags[] = {
    {"March Mode", &ViewOptionsDialog::m_bShowMarchMode},
    {"Step Size", &ViewOptionsDialog::m_bShowStepSize},
};
const FlagControl kPrintFlags[] = {{"Color", &ViewOptionsDialog::m_bPrintColor}};

const NumberControl kNumbers[] = {
    {"Shape Size", &ViewOptionsDialog::m_nPersonSize},
    {"ID Size", &ViewOptionsDialog::m_nIdSize},
    {"People Size", &ViewOptionsDialog::m_nPeopleTextSize},
    {"Shape Handle Size", &ViewOptionsDialog::m_nShapeHandleSize},
    {"Control Handle Size", &ViewOptionsDialog::m_nControlHandleSize},
};

const ColourControl kFormationColours[] = {
    {"Default", &ViewOptionsDialog::m_crFormation},
    {"Past", &ViewOptionsDialog::m_crPastFormation},
    {"Future", &ViewOptionsDialog::m_crFutureFormation},
    {"Selected", &ViewOptionsDialog::m_crSelectedFormation},
};
const ColourControl kPeopleColours[] = {
    {"ID # s", &ViewOptionsDialog::m_crIdNumbers},
    {"Flag", &ViewOptionsDialog::m_crFlag},
    {"Default", &ViewOptionsDialog::m_crPerson},
    {"Default Fill", &ViewOptionsDialog::m_crPersonFill},
};

QString Name(const char* group, const char* label) { return QString::fromLatin1(group) + '/' + QString::fromLatin1(label); }

// The check boxes or colour buttons of one group, each named by its group and label and
// bound to its field.
template <typename Widget, typename Control, size_t N>
void AddBound(QWidget* owner, QLayout* layout, const Control (&controls)[N], const char* group, ViewOptionsDialog& model,
              FieldBindings& fields) {
  for (const Control& c : controls) {
    auto* widget = new Widget(QObject::tr(c.label), owner);
    widget->setObjectName(Name(group, c.label));
    layout->addWidget(widget);
    fields.Bind(widget, model.*c.member);
  }
}

}  // namespace

ViewOptionsQtDialog::ViewOptionsQtDialog(const ViewOptionsDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(ViewOptionsDialog::kCaption), QString::fromLatin1(ViewOptionsDialog::kHelpTopic),
                  parent),
      interval(new QLineEdit),
      snapInches(new QLineEdit),
      idPosition(new QButtonGroup(this)),
      printRange(new QButtonGroup(this)),
      m_model(model) {
  auto* grid = new QGridLayout;

  auto* formations = new QGroupBox(tr("Formations"));
  auto* formationLayout = new QVBoxLayout(formations);
  auto* intervalRow = new QFormLayout;
  intervalRow->addRow(tr("Default Interval:"), interval);
  m_fields.BindInches(interval, m_model.m_dInterval);
  formationLayout->addLayout(intervalRow);
  AddBound<QCheckBox>(this, formationLayout, kFormationFlags, "Formations", m_model, m_fields);
  AddBound<ColorButton>(this, formationLayout, kFormationColours, "Formations", m_model, m_fields);
  grid->addWidget(formations, 0, 0, 2, 1);

  auto* snap = new QGroupBox(tr("Snap"));
  auto* snapLayout = new QVBoxLayout(snap);
  AddBound<QCheckBox>(this, snapLayout, kSnapFlags, "Snap", m_model, m_fields);
  auto* snapRow = new QFormLayout;
  snapRow->addRow(tr("Snap Inches:"), snapInches);
  m_fields.BindInches(snapInches, m_model.m_dSnapInches);
  snapLayout->addLayout(snapRow);
  grid->addWidget(snap, 0, 1);

  auto* threeD = new QGroupBox(tr("3D"));
  auto* threeDLayout = new QVBoxLayout(threeD);
  AddBound<QCheckBox>(this, threeDLayout, k3DFlags, "3D", m_model, m_fields);
  grid->addWidget(threeD, 1, 1);

  auto* people = new QGroupBox(tr("People"));
  auto* peopleLayout = new QVBoxLayout(people);
  AddBound<QCheckBox>(this, peopleLayout, kPeopleFlags, "People", m_model, m_fields);
  AddBound<ColorButton>(this, peopleLayout, kPeopleColours, "People", m_model, m_fields);
  grid->addWidget(people, 0, 2, 2, 1);

  auto* ids = new QGroupBox(tr("ID Numbers"));
  auto* idLayout = new QVBoxLayout(ids);
  AddBound<QCheckBox>(this, idLayout, kIdFlags, "ID Numbers", m_model, m_fields);
  const char* positions[4] = {"Right", "Left", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i) {
    auto* button = new QRadioButton(tr(positions[i]));
    idPosition->addButton(button, i);
    idLayout->addWidget(button);
  }
  m_fields.Bind(idPosition, m_model.m_nIdPosition);
  grid->addWidget(ids, 2, 0);

  auto* showAs = new QGroupBox(tr("Show People As"));
  auto* showAsLayout = new QVBoxLayout(showAs);
  AddBound<QCheckBox>(this, showAsLayout, kShowAsFlags, "Show People As", m_model, m_fields);
  grid->addWidget(showAs, 2, 1);

  auto* print = new QGroupBox(tr("Print"));
  auto* printLayout = new QVBoxLayout(print);
  const char* ranges[3] = {"Current Step", "Steps", "Pictures"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(tr(ranges[i]));
    printRange->addButton(button, i);
    printLayout->addWidget(button);
  }
  m_fields.Bind(printRange, m_model.m_nPrintRange);
  AddBound<QCheckBox>(this, printLayout, kPrintFlags, "Print", m_model, m_fields);
  grid->addWidget(print, 2, 2);

  auto* sizes = new QGroupBox(tr("Sizes"));
  auto* sizeLayout = new QFormLayout(sizes);
  for (const NumberControl& n : kNumbers) {
    auto* spin = new QSpinBox;
    // Wide limits: the checks of OK, not the spin box, say what is allowed.
    spin->setRange(-9999, 9999);
    spin->setObjectName(Name("Sizes", n.label));
    sizeLayout->addRow(tr(n.label) + ':', spin);
    m_fields.Bind(spin, m_model.*n.member);
  }
  grid->addWidget(sizes, 3, 0, 1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons());
  m_fields.Load();
}

std::pair<std::string, std::string> ViewOptionsQtDialog::StoreAndCheck() {
  m_fields.Store();
  if (const auto refusal = m_model.validate()) return {refusal->text, refusal->caption};
  return {};
}

bool EditViewOptions(CPxDoc& doc, Ui& ui, QWidget* parent) {
  ViewOptionsDialog model;
  model.LoadFrom(doc);
  ViewOptionsQtDialog dialog(model, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.model().ApplyTo(doc);
  doc.SetModifiedFlag();
  return true;
}

}  // namespace px
