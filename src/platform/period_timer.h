// A timer with a period in milliseconds that ticks until it is stopped.
#pragma once

namespace quintrel {

class PeriodTimer {
 public:
  PeriodTimer() = default;
  PeriodTimer(const PeriodTimer&) = delete;
  PeriodTimer& operator=(const PeriodTimer&) = delete;
  virtual ~PeriodTimer() = default;

  // Above 0 (re)starts the timer with that period; 0 stops it; the period it already has changes
  // nothing, and a running countdown goes on undisturbed.
  virtual void setPeriod(int milliseconds) = 0;
  virtual int period() const = 0;
};

}  // namespace quintrel
