#pragma once
// A Ui with no screen: it shows nothing, answers No (or Cancel) and has no views to notify.
// Batch work and benchmarks start from it and override what they report.
#include "core/ui/ui.h"

namespace px {

class QuietUi : public Ui {
 public:
  void MessageBox(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
  void ShowText(const std::string&, const std::string&) override {}
  void SetStatusText(const std::string&) override {}
  void SetWaitCursor(bool) override {}
  void Beep() override {}
  void UpdateAllViews() override {}
  void StopAnimation() override {}
  void RedrawTimeLine() override {}
  void SetStepBoxText(const std::string&) override {}
};

}  // namespace px
