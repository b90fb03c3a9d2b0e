#pragma once
// A Ui for tests: records everything a command shows or asks, and answers Yes/No/Cancel
// questions from a script (any other question fails the test and answers No, or Cancel).
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/ui/ui.h"

namespace px::test {

class ScriptedUi : public Ui {
 public:
  struct Message {
    std::string kind;  // "message", "question" or "text"
    std::string text;
    std::string caption;  // the caption, or the title of a shown text
  };

  // Queues the answers of the next Yes/No/Cancel questions, in order.
  void AnswerThreeWay(px::Answer answer) { m_threeWay.push_back(answer); }
  // Queues the answers of the next Yes/No questions.
  void AnswerYesNo(bool yes) { m_yesNo.push_back(yes); }

  void MessageBox(const std::string& text, const std::string& caption) override {
    m_messages.push_back({"message", text, caption});
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    m_messages.push_back({"question", text, caption});
    if (m_yesNo.empty()) {
      ADD_FAILURE() << "unscripted question: " << text;
      return false;
    }
    const bool yes = m_yesNo.front();
    m_yesNo.pop_front();
    return yes;
  }
  px::Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    m_messages.push_back({"question", text, caption});
    if (m_threeWay.empty()) {
      ADD_FAILURE() << "unscripted question: " << text;
      return px::Answer::Cancel;
    }
    const px::Answer answer = m_threeWay.front();
    m_threeWay.pop_front();
    return answer;
  }
  void ShowText(const std::string& title, const std::string& text) override {
    m_messages.push_back({"text", text, title});
  }
  // Everything shown or asked so far, as (text, caption) pairs.
  std::vector<std::pair<std::string, std::string>> Shown() const {
    std::vector<std::pair<std::string, std::string>> shown;
    for (const Message& m : m_messages) shown.emplace_back(m.text, m.caption);
    return shown;
  }

  void SetStatusText(const std::string& text) override { m_statusTexts.push_back(text); }
  void SetWaitCursor(bool) override {}
  void Beep() override { ++m_beeps; }
  void UpdateAllViews() override { ++m_viewUpdates; }
  void StopAnimation() override {
    ++m_animationStops;
    if (onStopAnimation) onStopAnimation();
  }
  void RedrawTimeLine() override { ++m_timeLineRedraws; }
  void SetStepBoxText(const std::string& text) override { m_stepBoxTexts.push_back(text); }

  std::vector<Message> m_messages;
  std::vector<std::string> m_statusTexts;
  std::vector<std::string> m_stepBoxTexts;
  std::deque<px::Answer> m_threeWay;
  std::deque<bool> m_yesNo;
  int m_beeps = 0;
  int m_viewUpdates = 0;
  int m_animationStops = 0;
  int m_timeLineRedraws = 0;
  std::function<void()> onStopAnimation;  // what the program does besides, e.g. stop a clock
};

}  // namespace px::test
