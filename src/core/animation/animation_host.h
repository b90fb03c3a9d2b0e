#pragma once
// The field view that runs an animation clock: it owns the periodic timer (the clock only
// tells it when to run) and the view's own selection of people.
namespace px {

class AnimationHost {
 public:
  virtual ~AnimationHost() = default;

  // (Re)starts the periodic timer; each period the host calls AnimationClock::OnTimer.
  virtual void ArmTimer(int periodMs) = 0;
  // Stops the timer; no tick may arrive after this.
  virtual void KillTimer() = 0;
  // Empties the view's list of selected people.
  virtual void ClearSelectedPeople() = 0;
};

}  // namespace px
