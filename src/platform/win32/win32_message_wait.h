// Waiting on Windows while the window stays responsive: a one-shot waitable timer, and
// MsgWaitForMultipleObjects to wake for the timer or for any message, which is dispatched at once.
//
// Handlers run inside the wait: a hotkey press may start another playback, which waits in turn
// (each wait has a timer of its own), a button may apply the list, the window may close. The wait
// ends false, at once, in two cases: stop() was called (the main window calls it as it closes, so a
// playback does not go on clicking into a closed program), or WM_QUIT is next in the queue, which
// the wait leaves there for the main message loop to find.
//
// The wait ends when its time is up even while messages keep coming: pending messages are then
// left for the main loop. Where no timer can be made it falls back on the tick count with
// MsgWaitForMultipleObjects timeouts; where it cannot wait at all it returns early.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/message_wait.h"

namespace quintrel {

class Win32MessageWait final : public MessageWait {
 public:
  // Sees every message before it is translated and dispatched; true when it has handled the
  // message itself (as IsDialogMessage does), which then goes no further.
  using PreTranslate = std::function<bool(MSG&)>;

  explicit Win32MessageWait(PreTranslate preTranslate = {});

  void setPreTranslate(PreTranslate preTranslate);

  bool waitWithMessages(int milliseconds) override;

  // Ends the wait under way, if any, and makes every later wait return false at once.
  void stop() { stopped_ = true; }
  bool stopped() const { return stopped_; }

 private:
  class Deadline;
  enum class Pumped { QueueEmpty, TimeUp, Ending };

  // Dispatches the waiting messages until the queue is empty, the time is up or the program ends.
  Pumped pump(Deadline& deadline);
  void dispatch(MSG& message);

  PreTranslate preTranslate_;
  bool stopped_ = false;
};

}  // namespace quintrel
