#include "dialogs/qt_dialog_host.h"

namespace px {

const QtDialogFactory<DialogModel>* QtDialogRegistry::Find(const DialogModel& model) const {
  const auto it = m_dialogs.find(std::type_index(typeid(model)));
  return it == m_dialogs.end() ? nullptr : &it->second;
}

const QtDialogRegistry& QtDialogs() {
  static const QtDialogRegistry registry = [] {
    QtDialogRegistry r;
    RegisterAllQtDialogs(r);
    return r;
  }();
  return registry;
}

std::string QtDialogHost::Run(DialogModel& model) {
  const QtDialogFactory<DialogModel>* show = m_dialogs.Find(model);
  if (!show) {
    m_ui.MessageBox("The dialog \"" + model.Caption() + "\" cannot be shown in this version.", model.Caption());
    return kButtonCancel;
  }
  return (*show)(model, QtDialogContext{m_doc, m_ui, m_parent.data()});
}

}  // namespace px
