#pragma once
// The Set Bitmaps and Document Information dialogs.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "core/draw/set_bitmaps.h"
#include "core/doc/document_info.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

class SetBitmapsDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The View Set Bitmaps Command";

  SetBitmapsDialog(const SetBitmapsModel& model, Ui& ui, QWidget* parent = nullptr);
  const SetBitmapsModel& model() const { return m_model; }

  std::array<QLineEdit*, GROUP_COUNT> files{};

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Browse(int group);
  SetBitmapsModel m_model;
  FieldBindings m_fields;
};

class DocumentInfoDialog : public ModelDialog {
  Q_OBJECT
 public:
  DocumentInfoDialog(const DocumentInfoModel& model, Ui& ui, QWidget* parent = nullptr);
  const DocumentInfoModel& model() const { return m_model; }

  // One editor per text; the multi-line ones are plain-text editors.
  std::array<QWidget*, DocumentInfoModel::FIELD_COUNT> editors{};
  void SetText(int field, const QString& text);
  QString Text(int field) const;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  DocumentInfoModel m_model;
  FieldBindings m_fields;
};

// Run the dialogs on the show; true when OK changed it.
bool EditSetBitmaps(CPxDoc& doc, Ui& ui, QWidget* parent);
bool EditDocumentInfo(CPxDoc& doc, Ui& ui, QWidget* parent);

}  // namespace px
