#pragma once
// The Ui of a command script: every message box becomes a line "CAPTION: TEXT", every
// question takes the script's next answer and becomes "CAPTION? TEXT -> ANSWER". Views,
// the animation and the status bar do not exist on the command line.
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "core/ui/quiet_ui.h"

namespace px {

class CliUi : public QuietUi {
 public:
  explicit CliUi(std::ostream& out) : m_out(out) {}
  // The answers of the next questions, in order; answers left over are dropped.
  // How many message boxes were shown so far.
  size_t MessagesShown() const { return m_messages; }
  void SetAnswers(const std::vector<std::string>& answers) { m_answers.assign(answers.begin(), answers.end()); }

  void MessageBox(const std::string& text, const std::string& caption) override;
  // Both throw ScriptError (without an action index) when no answer is left or it does
  // not fit the question.
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowText(const std::string& title, const std::string& text) override { MessageBox(text, title); }

 private:
  std::string NextAnswer(const std::string& text, const std::string& caption, bool cancelAllowed);

  std::ostream& m_out;
  std::deque<std::string> m_answers;
  size_t m_messages = 0;
};

}  // namespace px
