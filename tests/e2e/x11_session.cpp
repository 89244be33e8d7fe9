#include "x11_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace quintrel::e2e {

X11Session::X11Session() : display_(XOpenDisplay(nullptr)) {}

X11Session::~X11Session() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

std::string X11Session::titleOf(Window window) {
  const Atom netWmName = XInternAtom(display_, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display_, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                         &remaining, &data) == Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  return title;
}

pid_t X11Session::pidOf(Window window) {
  const Atom netWmPid = XInternAtom(display_, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  pid_t pid = 0;
  if (XGetWindowProperty(display_, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &remaining, &data) == Success &&
      data != nullptr) {
    if (count == 1) pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    XFree(data);
  }
  return pid;
}

std::vector<X11Session::TopLevel> X11Session::topLevelWindows() {
  std::vector<TopLevel> windows;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
    return windows;
  }
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display_, children[i], &attributes) &&
        attributes.map_state == IsViewable) {
      windows.push_back({children[i], titleOf(children[i]), pidOf(children[i])});
    }
  }
  if (children != nullptr) XFree(children);
  return windows;
}

bool X11Session::hasWindow(pid_t pid, const std::string& title) {
  for (const TopLevel& topLevel : topLevelWindows()) {
    if (topLevel.pid == pid && topLevel.title == title) return true;
  }
  return false;
}

std::optional<Window> X11Session::waitForWindow(pid_t pid, const std::string& title,
                                                std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    for (const TopLevel& topLevel : topLevelWindows()) {
      if (topLevel.pid == pid && topLevel.title == title) return topLevel.window;
    }
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

void X11Session::closeWindow(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

ProgramRun::ProgramRun(const std::filesystem::path& program, const std::filesystem::path& folder) {
  pid_ = fork();
  if (pid_ == 0) {
    if (chdir(folder.c_str()) != 0) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
}

ProgramRun::~ProgramRun() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void ProgramRun::signal(int signalNumber) {
  if (pid_ > 0) kill(pid_, signalNumber);
}

std::optional<int> ProgramRun::waitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

}  // namespace quintrel::e2e
