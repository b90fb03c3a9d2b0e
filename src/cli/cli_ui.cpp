#include "cli/cli_ui.h"

#include "cli/apply_script.h"
#include "core/util/cp1252.h"

namespace px {

void CliUi::MessageBox(const std::string& text, const std::string& caption) {
  ++m_messages;
  m_out << Cp1252ToUtf8(caption) << ": " << Cp1252ToUtf8(text) << "\n";
}

std::string CliUi::NextAnswer(const std::string& text, const std::string& caption, bool cancelAllowed) {
  if (m_answers.empty()) throw ScriptError(-1, "no answer left for the question \"" + Cp1252ToUtf8(text) + "\"");
  std::string answer = std::move(m_answers.front());
  m_answers.pop_front();
  if (answer == "Cancel" && !cancelAllowed)
    throw ScriptError(-1, "the question \"" + Cp1252ToUtf8(text) + "\" has no Cancel");
  m_out << Cp1252ToUtf8(caption) << "? " << Cp1252ToUtf8(text) << " -> " << answer << "\n";
  return answer;
}

bool CliUi::AskYesNo(const std::string& text, const std::string& caption) {
  return NextAnswer(text, caption, false) == "Yes";
}

Answer CliUi::AskYesNoCancel(const std::string& text, const std::string& caption) {
  const std::string answer = NextAnswer(text, caption, true);
  return answer == "Yes" ? Answer::Yes : answer == "No" ? Answer::No : Answer::Cancel;
}

}  // namespace px
