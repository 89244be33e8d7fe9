// The timer "时钟1" over a QTimer: a period above 0 runs it, 0 stops it.
#pragma once

#include <QTimer>

#include "platform/period_timer.h"

namespace quintrel::qt {

class QtPeriodTimer final : public PeriodTimer {
 public:
  explicit QtPeriodTimer(QTimer& timer) : timer_(timer) {}

  void setPeriod(int milliseconds) override {
    if (milliseconds <= 0) {
      timer_.stop();
    } else if (!timer_.isActive() || timer_.interval() != milliseconds) {
      timer_.start(milliseconds);
    }
  }
  int period() const override { return timer_.isActive() ? timer_.interval() : 0; }

 private:
  QTimer& timer_;
};

}  // namespace quintrel::qt
