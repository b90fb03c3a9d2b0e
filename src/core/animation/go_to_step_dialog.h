#pragma once
// The Go To Step dialog: a step and its measure of 4 steps, kept in agreement, with buttons
// that move by one step, 8 steps, one measure or 8 measures.
namespace px {

struct GoToStepDialog {
  static constexpr const char* kTitle = "Go To Step";
  static constexpr int kStepsPerMeasure = 4;

  int m_nStep = 0;     // "Step:"
  int m_nMeasure = 0;  // "Measure:"

  // Opens at the current step.
  explicit GoToStepDialog(int currentStep = 0) { SetStep(currentStep); }

  // Editing either field sets the other.
  void SetStep(int step);
  void SetMeasure(int measure);  // a negative measure means step 0

  // The buttons beside "Step:" ("+", "-", "+ 8", "- 8") and beside "Measure:" (a measure
  // or 8 measures); none goes below step 0.
  void StepUp() { Move(1); }
  void StepDown() { Move(-1); }
  void StepUp8() { Move(8); }
  void StepDown8() { Move(-8); }
  void MeasureUp() { Move(kStepsPerMeasure); }
  void MeasureDown() { Move(-kStepsPerMeasure); }
  void MeasureUp8() { Move(8 * kStepsPerMeasure); }
  void MeasureDown8() { Move(-8 * kStepsPerMeasure); }

  // The step OK goes to: never negative.
  int ChosenStep() const { return m_nStep < 0 ? 0 : m_nStep; }

 private:
  void Move(int steps);
};

}  // namespace px
