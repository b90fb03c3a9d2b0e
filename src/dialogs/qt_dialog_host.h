#pragma once
// Shows the Qt window of a command's dialog. Each Qt dialog registers once for the type of
// the model it is bound to; commands only ask their DialogHost to run a model, and the
// desktop program picks the window by the model's type.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <type_traits>

#include "core/doc/pxdoc.h"
#include "core/ui/dialog_model.h"
#include "core/ui/ui.h"

namespace px {

// What a Qt dialog needs beyond its model: the show (for defaults such as its step size),
// the show's Ui (for refusals) and the window it belongs to.
struct QtDialogContext {
  CPxDoc& doc;
  Ui& ui;
  QWidget* parent;
};

// Shows the window for a model and returns the button that closed it (kButtonOk with the
// model holding the checked values, kButtonCancel, or a button of the dialog's own).
template <class Model>
using QtDialogFactory = std::function<std::string(Model& model, const QtDialogContext& context)>;

class QtDialogRegistry {
 public:
  template <class Model>
  void Add(QtDialogFactory<Model> show) {
    static_assert(std::is_base_of_v<DialogModel, Model>, "a Qt dialog is bound to a DialogModel");
    m_dialogs[std::type_index(typeid(Model))] = [show = std::move(show)](DialogModel& model,
                                                                          const QtDialogContext& context) {
      return show(static_cast<Model&>(model), context);
    };
  }
  // The window for a model of exactly this type; null when none is registered.
  const QtDialogFactory<DialogModel>* Find(const DialogModel& model) const;

 private:
  std::map<std::type_index, QtDialogFactory<DialogModel>> m_dialogs;
};

// One line per Qt dialog: RegisterQtDialog<MirrorDialog>(registry, ShowMirrorQtDialog).
template <class Model>
void RegisterQtDialog(QtDialogRegistry& registry, QtDialogFactory<Model> show) {
  registry.Add<Model>(std::move(show));
}
void RegisterAllQtDialogs(QtDialogRegistry& registry);
// Every registered Qt dialog.
const QtDialogRegistry& QtDialogs();

// The DialogHost of a show's commands in the desktop program.
class QtDialogHost : public DialogHost {
 public:
  QtDialogHost(CPxDoc& doc, Ui& ui, QWidget* parent, const QtDialogRegistry& dialogs = QtDialogs())
      : m_doc(doc), m_ui(ui), m_parent(parent), m_dialogs(dialogs) {}

  // A model without a window is a gap in the program, not the designer's doing: it is told
  // so and the dialog counts as cancelled.
  std::string Run(DialogModel& model) override;

 private:
  CPxDoc& m_doc;
  Ui& m_ui;
  QPointer<QWidget> m_parent;
  const QtDialogRegistry& m_dialogs;
};

}  // namespace px
