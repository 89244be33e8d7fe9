// A wait that returns at once and logs how long it was asked to wait. A script may run during a
// wait, as the events a real wait handles would: a hotkey press, an apply, an edit of the table.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "platform/message_wait.h"

namespace quintrel {

class ScriptedMessageWait final : public MessageWait {
 public:
  bool waitWithMessages(int milliseconds) override {
    waits.push_back(milliseconds);
    // A copy: the script may replace duringWait, or wait again, while it runs.
    if (const auto script = duringWait) script(waits.size());
    return !programEnding;
  }

  // What the waits answer: false once the script has set programEnding.
  bool programEnding = false;

  // Milliseconds of every wait, in the order the waits began.
  std::vector<int> waits;
  // Called inside each wait with its number (1 for the first wait ever made).
  std::function<void(std::size_t waitNumber)> duringWait;
};

}  // namespace quintrel
