#include "x11_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <poll.h>

#include <cstdlib>
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

std::pair<int, int> X11Session::toRoot(Window window, int x, int y) {
  int rootX = 0, rootY = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                        &child);
  return {rootX, rootY};
}

std::pair<int, int> X11Session::pointer() {
  Window root = 0, child = 0;
  int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
  unsigned int mask = 0;
  XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &windowX,
                &windowY, &mask);
  return {rootX, rootY};
}

HelperRun::HelperRun(const std::filesystem::path& program,
                     const std::vector<std::string>& arguments) {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(fds[1]);
  output_ = fds[0];
}

HelperRun::~HelperRun() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (output_ >= 0) close(output_);
}

std::optional<std::string> HelperRun::nextLine(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto newline = buffered_.find('\n');
    if (newline != std::string::npos) {
      std::string line = buffered_.substr(0, newline);
      buffered_.erase(0, newline + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || output_ < 0) return std::nullopt;
    pollfd readable{output_, POLLIN, 0};
    if (poll(&readable, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
    char chunk[256];
    const ssize_t got = read(output_, chunk, sizeof chunk);
    if (got <= 0) return std::nullopt;
    buffered_.append(chunk, static_cast<std::size_t>(got));
  }
}

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

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
