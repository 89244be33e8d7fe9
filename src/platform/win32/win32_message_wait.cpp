#include "platform/win32/win32_message_wait.h"

#include <algorithm>
#include <utility>

namespace quintrel {

// When the wait is over: a waitable timer, or the tick count where no timer can be had.
class Win32MessageWait::Deadline {
 public:
  explicit Deadline(int milliseconds)
      : tickDeadline_(GetTickCount64() + static_cast<ULONGLONG>(milliseconds)) {
    timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    if (timer_ == nullptr) return;
    // Negative: relative to now, in units of 100 ns. Zero would be an absolute time.
    LARGE_INTEGER due;
    due.QuadPart = std::min(-10'000LL * milliseconds, -1LL);
    if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) dropTimer();
  }
  ~Deadline() { dropTimer(); }
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;

  bool passed() {
    if (timer_ != nullptr) return WaitForSingleObject(timer_, 0) == WAIT_OBJECT_0;
    return GetTickCount64() >= tickDeadline_;
  }

  // Sleeps until the time is up (false) or a message is waiting (true).
  bool sleepUntilMessage() {
    DWORD timeout = INFINITE;
    const DWORD handles = timer_ != nullptr ? 1 : 0;
    if (timer_ == nullptr) {
      const ULONGLONG now = GetTickCount64();
      if (now >= tickDeadline_) return false;
      timeout = static_cast<DWORD>(std::min<ULONGLONG>(tickDeadline_ - now, INFINITE - 1));
    }
    // MWMO_INPUTAVAILABLE: messages that were already waiting count too, not only new ones.
    const DWORD woken = MsgWaitForMultipleObjectsEx(handles, handles != 0 ? &timer_ : nullptr,
                                                    timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0 + handles) return true;
    if (woken == WAIT_TIMEOUT || (handles != 0 && woken == WAIT_OBJECT_0)) return false;
    // The wait failed. With the timer, go on by the tick count; without, give up: a wait that
    // cannot be made must not become a busy loop.
    if (timer_ == nullptr) return false;
    dropTimer();
    return true;
  }

 private:
  void dropTimer() {
    if (timer_ != nullptr) CloseHandle(timer_);
    timer_ = nullptr;
  }

  ULONGLONG tickDeadline_;
  HANDLE timer_ = nullptr;
};

Win32MessageWait::Win32MessageWait(PreTranslate preTranslate)
    : preTranslate_(std::move(preTranslate)) {}

void Win32MessageWait::setPreTranslate(PreTranslate preTranslate) {
  preTranslate_ = std::move(preTranslate);
}

bool Win32MessageWait::waitWithMessages(int milliseconds) {
  if (stopped_) return false;
  Deadline deadline(std::max(milliseconds, 0));
  for (;;) {
    switch (pump(deadline)) {
      case Pumped::Ending:
        return false;
      case Pumped::TimeUp:
        return true;
      case Pumped::QueueEmpty:
        break;
    }
    if (!deadline.sleepUntilMessage()) return true;
  }
}

Win32MessageWait::Pumped Win32MessageWait::pump(Deadline& deadline) {
  MSG message;
  for (;;) {
    if (stopped_) return Pumped::Ending;
    // A look first, so that WM_QUIT stays in the queue for the main loop.
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) return Pumped::QueueEmpty;
    if (message.message == WM_QUIT) return Pumped::Ending;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return Pumped::QueueEmpty;
    if (message.message == WM_QUIT) {
      // A handler of a message sent from another thread, run inside the look, quit meanwhile.
      PostQuitMessage(static_cast<int>(message.wParam));
      return Pumped::Ending;
    }
    dispatch(message);
    if (stopped_) return Pumped::Ending;
    if (deadline.passed()) return Pumped::TimeUp;
  }
}

void Win32MessageWait::dispatch(MSG& message) {
  if (preTranslate_) {
    // A copy: the hook may replace itself while it runs.
    const PreTranslate preTranslate = preTranslate_;
    if (preTranslate(message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace quintrel
