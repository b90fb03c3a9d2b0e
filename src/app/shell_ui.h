#pragma once
// The questions of the application shell beyond the core Ui: the three-way question before a
// modified show is closed. The desktop program answers with message boxes; tests script it.
#include <string>

#include "core/ui/ui.h"

namespace px {

enum class Answer { Yes, No, Cancel };

class ShellUi : public Ui {
 public:
  virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
};

}  // namespace px
