#include "ui/qt/qt_message_wait.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace quintrel::qt {

bool QtMessageWait::waitWithMessages(int milliseconds) {
  if (stopped_) return false;
  if (milliseconds <= 0) return true;
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);  // the pause between clicks is 200 ms, not about 200
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(milliseconds);
  // A timer that could not start would leave the loop running for ever: do not wait at all then.
  if (!timer.isActive()) return true;
  running_.push_back(&loop);
  loop.exec();
  running_.erase(std::find(running_.begin(), running_.end(), &loop));
  return !stopped_;
}

void QtMessageWait::stop() {
  stopped_ = true;
  for (QEventLoop* loop : running_) loop->quit();
}

}  // namespace quintrel::qt
