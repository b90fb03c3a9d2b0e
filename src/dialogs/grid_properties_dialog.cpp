#include "dialogs/grid_properties_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/people/step_calculator_dialog.h"
#include "core/util/format.h"
#include "dialogs/step_calculator_dialog.h"

namespace px {

GridPropertiesQtDialog::GridPropertiesQtDialog(const GridPropertiesDialog& model, double stepLength, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(GridPropertiesDialog::kTitle), QString::fromLatin1(GridPropertiesDialog::kHelpTopic),
                  parent),
      m_model(model),
      m_stepLength(stepLength),
      m_presets(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);

  auto* presetBox = new QGroupBox(tr("Field"));
  auto* presetLayout = new QVBoxLayout(presetBox);
  for (size_t i = 0; i < FieldPresets().size(); ++i) {
    auto* button = new QRadioButton(QString::fromLatin1(FieldPresets()[i].name));
    m_presets->addButton(button, static_cast<int>(i));
    presetLayout->addWidget(button);
  }
  connect(m_presets, &QButtonGroup::idClicked, this, [this](int id) {
    m_fields.Store();
    m_model.SelectPreset(id);
    m_fields.Load();
  });

  auto* sizeBox = new QGroupBox(tr("Size (inches)"));
  auto* sizeLayout = new QGridLayout(sizeBox);
  auto addLength = [&](int row, const QString& label) {
    auto* edit = new QLineEdit;
    auto* s = new QPushButton(tr("S"));
    s->setObjectName(QStringLiteral("S/") + label);
    s->setAutoDefault(false);
    s->setFixedWidth(28);
    connect(s, &QPushButton::clicked, this, [this, edit] { Calculate(edit); });
    sizeLayout->addWidget(new QLabel(label), row, 0);
    sizeLayout->addWidget(edit, row, 1);
    sizeLayout->addWidget(s, row, 2);
    return edit;
  };
  width = addLength(0, tr("Width:"));
  height = addLength(1, tr("Height:"));
  hash1 = addLength(2, tr("Hash 1:"));
  hash2 = addLength(3, tr("Hash 2:"));

  auto* top = new QHBoxLayout;
  top->addWidget(presetBox);
  top->addWidget(sizeBox);
  layout->addLayout(top);

  auto* linesBox = new QGroupBox(tr("Lines"));
  auto* lines = new QGridLayout(linesBox);
  const char* names[4] = {"8 Step Lines", "4 Step Lines", "2 Step Lines", "1 Step Lines"};
  for (int i = 0; i < 4; ++i) {
    lines->addWidget(new QLabel(tr(names[i])), i, 0);
    families[i].vertical = new QCheckBox(tr("Vertical"));
    families[i].horizontal = new QCheckBox(tr("Horizontal"));
    families[i].dotted = new QCheckBox(tr("Dotted"));
    families[i].color = new ColorButton(tr("Color"));
    lines->addWidget(families[i].vertical, i, 1);
    lines->addWidget(families[i].horizontal, i, 2);
    lines->addWidget(families[i].dotted, i, 3);
    lines->addWidget(families[i].color, i, 4);
  }
  layout->addWidget(linesBox);

  auto* other = new QGridLayout;
  bold = new QCheckBox(tr("Bold"));
  showHash1 = new QCheckBox(tr("Hash 1"));
  showHash2 = new QCheckBox(tr("Hash 2"));
  centerHorizontal = new QCheckBox(tr("Center Horizontal"));
  hashColor = new ColorButton(tr("Hash Color"));
  fieldColor = new ColorButton(tr("Field Color"));
  other->addWidget(bold, 0, 0);
  other->addWidget(showHash1, 0, 1);
  other->addWidget(showHash2, 0, 2);
  other->addWidget(centerHorizontal, 0, 3);
  other->addWidget(hashColor, 1, 0, 1, 2);
  other->addWidget(fieldColor, 1, 2, 1, 2);
  layout->addLayout(other);
  layout->addWidget(buttons());
  Bind();
  m_fields.Load();
}

void GridPropertiesQtDialog::Bind() {
  m_fields.Bind(m_presets, m_model.m_nFieldType);
  m_fields.BindInches(width, m_model.m_dWidth);
  m_fields.BindInches(height, m_model.m_dHeight);
  m_fields.BindInches(hash1, m_model.m_dHash1);
  m_fields.BindInches(hash2, m_model.m_dHash2);
  for (size_t i = 0; i < families.size(); ++i) {
    m_fields.Bind(families[i].vertical, m_model.m_families[i].vertical);
    m_fields.Bind(families[i].horizontal, m_model.m_families[i].horizontal);
    m_fields.Bind(families[i].dotted, m_model.m_families[i].dotted);
    m_fields.Bind(families[i].color, m_model.m_families[i].color);
  }
  m_fields.Bind(hashColor, m_model.m_crHash);
  m_fields.Bind(fieldColor, m_model.m_crField);
  m_fields.Bind(bold, m_model.m_bBold);
  m_fields.Bind(showHash1, m_model.m_bShowHash1);
  m_fields.Bind(showHash2, m_model.m_bShowHash2);
  m_fields.Bind(centerHorizontal, m_model.m_bCenterHorizontal);
}

std::pair<std::string, std::string> GridPropertiesQtDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

void GridPropertiesQtDialog::Calculate(QLineEdit* edit) {
  const auto inches =
      StepCalculatorQtDialog::AskInches(edit->text().toStdString(), Format("%.2lf", m_stepLength), this);
  if (inches) edit->setText(QString::fromStdString(*inches));
}

bool EditGridProperties(CPxDoc& doc, Ui& ui, QWidget* parent) {
  GridPropertiesDialog model;
  model.LoadFrom(doc);
  GridPropertiesQtDialog dialog(model, doc.m_dStepSize * 0.5, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.model().ApplyTo(doc);
  doc.SetModifiedFlag();
  return true;
}

}  // namespace px
