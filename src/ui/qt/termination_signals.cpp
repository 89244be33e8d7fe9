#include "ui/qt/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>

namespace quintrel::qt {
namespace {

std::array<int, 2> wakePipe = {-1, -1};
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls here.
void onTerminationSignal(int signalNumber) {
  const char byte = static_cast<char>(signalNumber);
  [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QWidget& window) : window_(&window) {
  if (pipe(wakePipe.data()) != 0) return;  // without the pipe the default actions stay
  for (const int fd : wakePipe) {
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    fcntl(fd, F_SETFL, O_NONBLOCK);
  }
  notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::onSignal);
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : kSignals) sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  if (notifier_ == nullptr) return;
  for (const int signalNumber : kSignals) signal(signalNumber, SIG_DFL);
  for (int& fd : wakePipe) {
    close(fd);
    fd = -1;
  }
}

void TerminationSignals::onSignal() {
  char buffer[16];
  while (read(wakePipe[0], buffer, sizeof buffer) > 0) {
  }
  // A second signal while the save question is open asks again; the answer stays the user's.
  if (window_ != nullptr && !window_->isHidden()) window_->close();
}

}  // namespace quintrel::qt
