// The timer "时钟1": a window timer (SetTimer) of the main window, whose WM_TIMER carries id.
#pragma once

#include <windows.h>

#include "platform/period_timer.h"

namespace quintrel::win32 {

class Win32PeriodTimer final : public PeriodTimer {
 public:
  Win32PeriodTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}

  void setPeriod(int milliseconds) override {
    if (milliseconds <= 0) {
      KillTimer(window_, id_);
      period_ = 0;
    } else if (milliseconds != period_) {
      // The same id replaces the running timer and starts its countdown afresh.
      period_ =
          SetTimer(window_, id_, static_cast<UINT>(milliseconds), nullptr) != 0 ? milliseconds : 0;
    }
  }
  int period() const override { return period_; }
  UINT_PTR id() const { return id_; }

 private:
  HWND window_;
  UINT_PTR id_;
  int period_ = 0;
};

}  // namespace quintrel::win32
