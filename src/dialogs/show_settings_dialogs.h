#pragma once
// The Set Bitmaps and Document Information dialogs.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "core/draw/set_bitmaps_dialog.h"
#include "core/doc/document_info_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

class SetBitmapsQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The View Set Bitmaps Command";

  SetBitmapsQtDialog(const SetBitmapsDialog& model, Ui& ui, QWidget* parent = nullptr);
  const SetBitmapsDialog& model() const { return m_model; }

  std::array<QLineEdit*, GROUP_COUNT> files{};

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Browse(int group);
  SetBitmapsDialog m_model;
  FieldBindings m_fields;
};

class DocumentInfoQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  DocumentInfoQtDialog(const DocumentInfoDialog& model, Ui& ui, QWidget* parent = nullptr);
  const DocumentInfoDialog& model() const { return m_model; }

  // One editor per text; the multi-line ones are plain-text editors.
  std::array<QWidget*, DocumentInfoDialog::FIELD_COUNT> editors{};
  void SetText(int field, const QString& text);
  QString Text(int field) const;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  DocumentInfoDialog m_model;
  FieldBindings m_fields;
};

// Run the dialogs on the show; true when OK changed it.
bool EditSetBitmaps(CPxDoc& doc, Ui& ui, QWidget* parent);
bool EditDocumentInfo(CPxDoc& doc, Ui& ui, QWidget* parent);

}  // namespace px
