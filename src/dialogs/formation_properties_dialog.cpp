#include "dialogs/formation_properties_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/util/format.h"
#include "dialogs/qt_dialog_host.h"
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

FormationPropertiesQtDialog::FormationPropertiesQtDialog(const FormationPropertiesDialog& model, double stepLength, Ui& ui,
                                                     QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(FormationPropertiesDialog::kCaption),
                  QString::fromLatin1(FormationPropertiesDialog::kHelpTopic), parent),
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
  Bind();
  m_fields.Load();
}

void FormationPropertiesQtDialog::Bind() {
  FormationPropertiesDialog& m = m_model;
  m_fields.BindShowText(name, m.m_strName);
  m_fields.Bind(count, m.m_nCount);
  m_fields.Bind(width, m.m_strWidth);
  m_fields.Bind(height, m.m_strHeight);
  m_fields.Bind(scaleToFit, m.m_bScaleToFit);
  m_fields.Bind(scaleToInterval, m.m_bScaleToInterval);
  m_fields.Bind(shape, m.m_nShape);
  m_fields.Bind(block, m.m_bBlock);
  m_fields.Bind(rows, m.m_nRows);
  m_fields.Bind(color, m.m_crLine);
  // The sides keep what is being typed ("05" stays) while it means the same number.
  m_fields.Add(
      [this, &m] {
        if (sides->text().toInt() != m.m_nSides || sides->text().isEmpty()) sides->setText(QString::number(m.m_nSides));
      },
      [this, &m] { m.m_nSides = sides->text().toInt(); });
  m_fields.Bind(star, m.m_strStar);
  m_fields.Bind(skew, m.m_strSkew);
  m_fields.Bind(rotated, m.m_strRotated);
  m_fields.Add([this, &m] { number->setText(Text(m.m_strNumber)); }, [] {});
  m_fields.Bind(interval, m.m_strInterval);
  m_fields.Bind(spread, m.m_bSpread);
  m_fields.Bind(peopleFill, m.m_bPeopleFill);
  m_fields.Add([this, &m] { peopleFill->setEnabled(m.m_bPeopleFillEnabled); }, [] {});
  m_fields.Bind(reverse, m.m_bReverse);
  m_fields.Bind(centerPivot, m.m_bCenterPivot);
  m_fields.Bind(cornerPivot, m.m_bCornerPivot);
  m_fields.Bind(propFill, m.m_bPropFill);
  m_fields.Bind(fillColor, m.m_crFill);
  m_fields.Bind(endStep, m.m_nEndStep);
  m_fields.Bind(arrow, m.m_bArrow);
}

void FormationPropertiesQtDialog::Interlock(const std::function<void(FormationPropertiesDialog&)>& change) {
  m_fields.Store();
  change(m_model);
  m_fields.Load();
}

std::pair<std::string, std::string> FormationPropertiesQtDialog::StoreAndCheck() {
  m_fields.Store();
  const auto refusal = m_model.Validate();
  // The checks may have corrected fields (the interval of a fill, the end step): show them.
  m_fields.Load();
  if (refusal) return {refusal->text, refusal->caption};
  return {};
}

void FormationPropertiesQtDialog::Calculate(QLineEdit* edit) {
  const auto inches = StepCalculatorQtDialog::AskInches(Text(edit), Format("%.2lf", m_stepLength), this);
  if (inches) edit->setText(Text(*inches));
}

std::string ShowFormationPropertiesQtDialog(FormationPropertiesDialog& model, const QtDialogContext& context) {
  FormationPropertiesQtDialog dialog(model, context.doc.m_dStepSize * 0.5, context.ui, context.parent);
  return RunModelDialog(dialog, model);
}

}  // namespace px
