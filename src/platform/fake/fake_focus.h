// The keyboard focus of a set of fake controls: at most one holds it, and a change tells the old
// holder first and the new one after, both before the change returns, as the desktops do.
#pragma once

#include <utility>

namespace quintrel {

class FocusTarget {
 public:
  FocusTarget() = default;
  FocusTarget(const FocusTarget&) = delete;
  FocusTarget& operator=(const FocusTarget&) = delete;
  virtual ~FocusTarget() = default;

  virtual void focusGained() = 0;
  virtual void focusLost() = 0;
};

class FakeFocus {
 public:
  // Gives target the focus (null: no control keeps it). Nothing happens when target has it.
  void give(FocusTarget* target) {
    if (target == holder_) return;
    FocusTarget* previous = std::exchange(holder_, target);
    ++changes;
    if (previous != nullptr) previous->focusLost();
    if (target != nullptr) target->focusGained();
  }
  FocusTarget* holder() const { return holder_; }

  int changes = 0;

 private:
  FocusTarget* holder_ = nullptr;
};

}  // namespace quintrel
