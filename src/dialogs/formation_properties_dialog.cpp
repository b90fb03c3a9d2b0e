#include "dialogs/formation_properties_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/util/format.h"
#include "dialogs/step_calculator_dialog.h"

namespace px {
namespace {

QPushButton* SmallButton(const QString& text) {
  auto* button = new QPushButton(text);
  button->setAutoDefault(false);
  button->setMaximumWidth(40);
  return button;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }
std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

FormationPropertiesDialog::FormationPropertiesDialog(const FormationProperties& model, double stepLength, Ui& ui,
                                                     QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(FormationProperties::kCaption),
                  QString::fromLatin1(FormationProperties::kHelpTopic), parent),
      m_model(model),
      m_stepLength(stepLength) {
  auto* grid = new QGridLayout;

  // Name, step and size.
  auto* general = new QGroupBox(tr("Formation"));
  auto* generalForm = new QFormLayout(general);
  name = new QLineEdit;
  generalForm->addRow(tr("Name:"), name);
  auto* stepRow = new QHBoxLayout;
  count = new QSpinBox;
  count->setRange(0, 30000);
  countPlus = SmallButton(tr("+"));
  countMinus = SmallButton(tr("-"));
  countPlus8 = SmallButton(tr("+ 8"));
  countMinus8 = SmallButton(tr("- 8"));
  for (QWidget* w : {static_cast<QWidget*>(count), static_cast<QWidget*>(countPlus), static_cast<QWidget*>(countMinus),
                     static_cast<QWidget*>(countPlus8), static_cast<QWidget*>(countMinus8)})
    stepRow->addWidget(w);
  generalForm->addRow(tr("Count:"), stepRow);
  auto lengthRow = [this](QLineEdit*& edit) {
    auto* row = new QHBoxLayout;
    edit = new QLineEdit;
    auto* s = SmallButton(tr("S"));
    QLineEdit* target = edit;
    connect(s, &QPushButton::clicked, this, [this, target] { Calculate(target); });
    row->addWidget(edit);
    row->addWidget(s);
    return row;
  };
  generalForm->addRow(tr("Width:"), lengthRow(width));
  generalForm->addRow(tr("Height:"), lengthRow(height));
  scaleToFit = new QCheckBox(tr("Scale To Fit People"));
  scaleToInterval = new QCheckBox(tr("Scale To Interval"));
  generalForm->addRow(scaleToFit);
  generalForm->addRow(scaleToInterval);
  grid->addWidget(general, 0, 0);

  // Shape.
  auto* shapeBox = new QGroupBox(tr("Shape"));
  auto* shapeLayout = new QGridLayout(shapeBox);
  shape = new QButtonGroup(this);
  const char* kinds[7] = {"Rectangle", "Ellipse", "Line", "Polygon", "Curve", "Closed Polygon", "Arc"};
  for (int kind = 0; kind < 7; ++kind) {
    auto* button = new QRadioButton(tr(kinds[kind]));
    shape->addButton(button, kind);
    shapeLayout->addWidget(button, kind, 0);
  }
  block = new QCheckBox(tr("Block"));
  rows = new QSpinBox;
  rows->setRange(-999, 999);
  color = new ColorButton(tr("Color"));
  sides = new QLineEdit;
  sides->setValidator(new QIntValidator(-999, 999, sides));
  star = new QLineEdit;
  auto* shapeForm = new QFormLayout;
  shapeForm->addRow(block);
  shapeForm->addRow(tr("Rows:"), rows);
  shapeForm->addRow(color);
  shapeForm->addRow(tr("Sides:"), sides);
  shapeForm->addRow(tr("Star:"), star);
  shapeLayout->addLayout(shapeForm, 0, 1, 7, 1);
  grid->addWidget(shapeBox, 0, 1);

  // Transform.
  auto* transform = new QGroupBox(tr("Transform"));
  auto* transformForm = new QFormLayout(transform);
  skew = new QLineEdit;
  transformForm->addRow(tr("Skew:"), skew);
  auto* rotateRow = new QHBoxLayout;
  rotated = new QLineEdit;
  rotateUp = SmallButton(QStringLiteral("\u25B2"));
  rotateDown = SmallButton(QStringLiteral("\u25BC"));
  unrotate = new QPushButton(tr("Unrotate"));
  unrotate->setAutoDefault(false);
  for (QWidget* w : {static_cast<QWidget*>(rotated), static_cast<QWidget*>(rotateUp), static_cast<QWidget*>(rotateDown),
                     static_cast<QWidget*>(unrotate)})
    rotateRow->addWidget(w);
  transformForm->addRow(tr("Rotated:"), rotateRow);
  centerPivot = new QCheckBox(tr("Center Pivot Point"));
  cornerPivot = new QCheckBox(tr("Corner Pivot Point"));
  reverse = new QCheckBox(tr("Reverse"));
  transformForm->addRow(centerPivot);
  transformForm->addRow(cornerPivot);
  transformForm->addRow(reverse);
  grid->addWidget(transform, 1, 0);

  // People.
  auto* people = new QGroupBox(tr("People"));
  auto* peopleForm = new QFormLayout(people);
  number = new QLabel;
  peopleForm->addRow(tr("Number:"), number);
  auto* intervalRow = lengthRow(interval);
  interval->setMaxLength(10);
  peopleForm->addRow(tr("Interval:"), intervalRow);
  spread = new QCheckBox(tr("Spread People Out"));
  peopleFill = new QCheckBox(tr("Fill"));
  peopleForm->addRow(spread);
  peopleForm->addRow(peopleFill);
  grid->addWidget(people, 1, 1);

  // Prop.
  auto* prop = new QGroupBox(tr("Prop"));
  auto* propForm = new QFormLayout(prop);
  propFill = new QCheckBox(tr("Fill"));
  fillColor = new ColorButton(tr("Fill Color"));
  endStep = new QSpinBox;
  endStep->setRange(0, 30000);
  arrow = new QCheckBox(tr("Arrow"));
  propForm->addRow(propFill);
  propForm->addRow(fillColor);
  propForm->addRow(tr("End Step"), endStep);
  propForm->addRow(arrow);
  grid->addWidget(prop, 2, 0, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons());

  connect(countPlus, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.CountPlus(); }); });
  connect(countMinus, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.CountMinus(); }); });
  connect(countPlus8, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.CountPlus8(); }); });
  connect(countMinus8, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.CountMinus8(); }); });
  connect(scaleToFit, &QCheckBox::clicked, this, [this](bool on) { Interlock([on](auto& m) { m.SetScaleToFit(on); }); });
  connect(scaleToInterval, &QCheckBox::clicked, this,
          [this](bool on) { Interlock([on](auto& m) { m.SetScaleToInterval(on); }); });
  connect(centerPivot, &QCheckBox::clicked, this, [this](bool on) { Interlock([on](auto& m) { m.SetCenterPivot(on); }); });
  connect(cornerPivot, &QCheckBox::clicked, this, [this](bool on) { Interlock([on](auto& m) { m.SetCornerPivot(on); }); });
  connect(block, &QCheckBox::clicked, this, [this](bool on) { Interlock([on](auto& m) { m.SetBlock(on); }); });
  connect(shape, &QButtonGroup::idClicked, this, [this](int kind) { Interlock([kind](auto& m) { m.ChooseShape(kind); }); });
  connect(sides, &QLineEdit::textEdited, this,
          [this](const QString& text) { Interlock([value = text.toInt()](auto& m) { m.TypeSides(value); }); });
  connect(rotateUp, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.SpinRotated(1); }); });
  connect(rotateDown, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.SpinRotated(-1); }); });
  connect(unrotate, &QPushButton::clicked, this, [this] { Interlock([](auto& m) { m.Unrotate(); }); });
  Load();
}

void FormationPropertiesDialog::Load() {
  const FormationProperties& m = m_model;
  name->setText(FromShow(m.m_strName));
  count->setValue(m.m_nCount);
  width->setText(Text(m.m_strWidth));
  height->setText(Text(m.m_strHeight));
  scaleToFit->setChecked(m.m_bScaleToFit);
  scaleToInterval->setChecked(m.m_bScaleToInterval);
  if (QAbstractButton* kind = shape->button(m.m_nShape)) kind->setChecked(true);
  block->setChecked(m.m_bBlock);
  rows->setValue(m.m_nRows);
  color->setColor(m.m_crLine);
  const QString sidesText = QString::number(m.m_nSides);
  if (sides->text().toInt() != m.m_nSides || sides->text().isEmpty()) sides->setText(sidesText);
  star->setText(Text(m.m_strStar));
  skew->setText(Text(m.m_strSkew));
  rotated->setText(Text(m.m_strRotated));
  number->setText(Text(m.m_strNumber));
  interval->setText(Text(m.m_strInterval));
  spread->setChecked(m.m_bSpread);
  peopleFill->setChecked(m.m_bPeopleFill);
  peopleFill->setEnabled(m.m_bPeopleFillEnabled);
  reverse->setChecked(m.m_bReverse);
  centerPivot->setChecked(m.m_bCenterPivot);
  cornerPivot->setChecked(m.m_bCornerPivot);
  propFill->setChecked(m.m_bPropFill);
  fillColor->setColor(m.m_crFill);
  endStep->setValue(m.m_nEndStep);
  arrow->setChecked(m.m_bArrow);
}

void FormationPropertiesDialog::Store() {
  FormationProperties& m = m_model;
  m.m_strName = ToShow(name->text());
  m.m_nCount = count->value();
  m.m_strWidth = Text(width);
  m.m_strHeight = Text(height);
  m.m_bScaleToFit = scaleToFit->isChecked();
  m.m_bScaleToInterval = scaleToInterval->isChecked();
  if (shape->checkedId() >= 0) m.m_nShape = shape->checkedId();
  m.m_bBlock = block->isChecked();
  m.m_nRows = rows->value();
  m.m_crLine = color->color();
  m.m_nSides = sides->text().toInt();
  m.m_strStar = Text(star);
  m.m_strSkew = Text(skew);
  m.m_strRotated = Text(rotated);
  m.m_strInterval = Text(interval);
  m.m_bSpread = spread->isChecked();
  m.m_bPeopleFill = peopleFill->isChecked();
  m.m_bReverse = reverse->isChecked();
  m.m_bCenterPivot = centerPivot->isChecked();
  m.m_bCornerPivot = cornerPivot->isChecked();
  m.m_bPropFill = propFill->isChecked();
  m.m_crFill = fillColor->color();
  m.m_nEndStep = endStep->value();
  m.m_bArrow = arrow->isChecked();
}

void FormationPropertiesDialog::Interlock(const std::function<void(FormationProperties&)>& change) {
  Store();
  change(m_model);
  Load();
}

std::pair<std::string, std::string> FormationPropertiesDialog::StoreAndCheck() {
  Store();
  const auto refusal = m_model.Validate();
  // The checks may have corrected fields (the interval of a fill, the end step): show them.
  Load();
  if (refusal) return {refusal->text, refusal->caption};
  return {};
}

void FormationPropertiesDialog::Calculate(QLineEdit* edit) {
  const auto inches = StepCalculatorDialog::AskInches(Text(edit), Format("%.2lf", m_stepLength), this);
  if (inches) edit->setText(Text(*inches));
}

bool ShowFormationPropertiesDialog(FormationProperties& model, double stepLength, Ui& ui, QWidget* parent) {
  FormationPropertiesDialog dialog(model, stepLength, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  model = dialog.model();
  return true;
}

}  // namespace px
