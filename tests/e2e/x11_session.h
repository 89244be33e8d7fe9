// What an end-to-end test needs from the X server: find the program's windows by title, close
// them as a window manager does, and run the program in a folder of the test's choosing.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quintrel::e2e {

using namespace std::chrono_literals;

class X11Session {
 public:
  // Connects to $DISPLAY; connected() is false when there is none.
  X11Session();
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  bool connected() const { return display_ != nullptr; }

  struct TopLevel {
    Window window;
    std::string title;  // UTF-8
    pid_t pid;          // of the client that made it, 0 when it does not say
  };
  // The top-level windows that are mapped.
  std::vector<TopLevel> topLevelWindows();
  // The mapped top-level window of process pid with this title, waiting up to timeout for it.
  std::optional<Window> waitForWindow(pid_t pid, const std::string& title,
                                      std::chrono::milliseconds timeout = 10s);
  // Whether process pid has a window with this title mapped now.
  bool hasWindow(pid_t pid, const std::string& title);
  // Sends WM_DELETE_WINDOW, as a window manager does when the user closes a window.
  void closeWindow(Window window);
  // The root-window position of a point of a window's client area.
  std::pair<int, int> toRoot(Window window, int x, int y);
  // Where the pointer is, in root-window coordinates.
  std::pair<int, int> pointer();

 private:
  std::string titleOf(Window window);
  pid_t pidOf(Window window);

  Display* display_ = nullptr;
};

// The program under test, started in a folder, ended by the test or killed at the end.
class ProgramRun {
 public:
  ProgramRun(const std::filesystem::path& program, const std::filesystem::path& folder);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  pid_t pid() const { return pid_; }
  // Sends a signal, as a terminal or a session manager does.
  void signal(int signalNumber);
  // The exit status once the program has ended within timeout; nothing while it still runs.
  std::optional<int> waitForExit(std::chrono::milliseconds timeout = 10s);

 private:
  pid_t pid_ = -1;
};

// A helper program whose standard output the test reads line by line.
class HelperRun {
 public:
  HelperRun(const std::filesystem::path& program, const std::vector<std::string>& arguments);
  ~HelperRun();
  HelperRun(const HelperRun&) = delete;
  HelperRun& operator=(const HelperRun&) = delete;

  // The next line the helper printed, waiting up to timeout for it.
  std::optional<std::string> nextLine(std::chrono::milliseconds timeout);

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::string buffered_;
};

// Runs a shell command (xdotool ...) with the test's DISPLAY; true when it succeeded.
bool run(const std::string& command);

}  // namespace quintrel::e2e
