// A timer that only remembers the periods written to it.
#pragma once

#include <vector>

#include "platform/period_timer.h"

namespace quintrel {

class RecordingPeriodTimer final : public PeriodTimer {
 public:
  void setPeriod(int milliseconds) override {
    periods.push_back(milliseconds);
    period_ = milliseconds;
  }
  int period() const override { return period_; }

  std::vector<int> periods;  // every period written, in order

 private:
  int period_ = 0;
};

}  // namespace quintrel
