// Waiting while the program stays responsive.
#pragma once

namespace quintrel {

class MessageWait {
 public:
  MessageWait() = default;
  MessageWait(const MessageWait&) = delete;
  MessageWait& operator=(const MessageWait&) = delete;
  virtual ~MessageWait() = default;

  // Returns after milliseconds; the program's events (clicks, hotkeys, timers) are handled
  // meanwhile, so handlers may run inside this call. True after the full wait; false, at once,
  // when the program is ending (its main window has closed): whatever waited should stop then.
  // A wait that cannot be made at all returns early; it never loops forever.
  virtual bool waitWithMessages(int milliseconds) = 0;
};

}  // namespace quintrel
