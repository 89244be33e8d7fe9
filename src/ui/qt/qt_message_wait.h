// Waiting between two clicks while the program stays responsive: a nested event loop that a
// single-shot timer ends. Hotkeys, clicks and timers are handled inside the wait.
#pragma once

#include <vector>

#include "platform/message_wait.h"

class QEventLoop;

namespace quintrel::qt {

class QtMessageWait final : public MessageWait {
 public:
  bool waitWithMessages(int milliseconds) override;
  // The main window has closed: every running wait ends now, and later ones return at once,
  // both saying that the program is ending.
  void stop();

 private:
  std::vector<QEventLoop*> running_;
  bool stopped_ = false;
};

}  // namespace quintrel::qt
