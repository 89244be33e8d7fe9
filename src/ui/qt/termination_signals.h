// Ctrl+C in the terminal, `kill`, or the end of the session close the main window the way the
// user would, so the table is saved: the signal only wakes the event loop (through a pipe), and
// the closing runs there.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

namespace quintrel::qt {

class TerminationSignals final : public QObject {
  Q_OBJECT

 public:
  // Routes SIGINT, SIGTERM and SIGHUP to closing window.
  explicit TerminationSignals(QWidget& window);
  ~TerminationSignals() override;

 private:
  void onSignal();

  QPointer<QWidget> window_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quintrel::qt
