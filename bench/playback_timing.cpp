// How promptly and how evenly the Linux program plays a hotkey, measured on a live X server with
// the click probe of the end-to-end tests:
//   - from the hotkey's key press to the first click, in X server time;
//   - the pauses between the clicks of a ten-row group (200 ms each);
//   - the program's CPU time during that playback, against its wall time;
//   - the program's wake-ups (context switches) while it sits idle for five seconds.
// Run it with DISPLAY set (scripts/test.sh's Xvfb, or any desktop):
//   build/release/bench/playback_timing build/release/bin/quintrel
//   build/release/tests/e2e/click_probe
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "e2e/x11_session.h"
#include "test_support.h"

using namespace quintrel;
using namespace std::chrono_literals;

namespace {

// The server's time now: a property change on a window of ours comes back stamped with it.
Time serverTime(Display* display, Window window) {
  const Atom atom = XInternAtom(display, "QUINTREL_TIMING", False);
  XChangeProperty(display, window, atom, XA_STRING, 8, PropModeReplace, nullptr, 0);
  for (;;) {
    XEvent event;
    XWindowEvent(display, window, PropertyChangeMask, &event);
    if (event.type == PropertyNotify) return event.xproperty.time;
  }
}

// CPU ticks (user + system) and context switches of a process.
struct Usage {
  long ticks = 0;
  long switches = 0;
};

Usage usageOf(pid_t pid) {
  Usage usage;
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string field;
  for (int i = 1; i <= 15 && stat >> field; ++i) {
    if (i == 14 || i == 15) usage.ticks += std::stol(field);
  }
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
        line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
      usage.switches += std::stol(line.substr(line.find(':') + 1));
    }
  }
  return usage;
}

std::vector<unsigned long> pressTimes(e2e::HelperRun& probe, std::size_t count,
                                      std::chrono::milliseconds timeout) {
  std::vector<unsigned long> times;
  while (times.size() < count) {
    const auto line = probe.nextLine(timeout);
    if (!line) break;
    unsigned button = 0;
    int x = 0, y = 0;
    unsigned long time = 0;
    if (std::sscanf(line->c_str(), "press %u %d %d %lu", &button, &x, &y, &time) == 4) {
      times.push_back(time);
    }
  }
  return times;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: playback_timing QUINTREL CLICK_PROBE\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  const Window clock =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSelectInput(display, clock, PropertyChangeMask);

  e2e::HelperRun probe(std::filesystem::absolute(argv[2]), {"0", "0", "300", "160"});
  if (probe.nextLine(5s) != "ready") {
    std::fprintf(stderr, "the click probe did not start\n");
    return 1;
  }
  test::TempFolder folder;
  std::string list = "1|F9|5|5|" + test::kLeftClick + "|\r\n";  // row 0: F9, the latency probe
  for (int row = 1; row <= 10; ++row) {                         // rows 1..10: F10, a ten-row group
    list += std::to_string(row + 1) + "|F10|" + std::to_string(row * 20) + "|50|" +
            test::kLeftClick + "|\r\n";
  }
  test::writeBytes(folder / "hotkey.txt", list);
  // The program runs in its own folder: its path must not be relative.
  e2e::ProgramRun program(std::filesystem::absolute(argv[1]), folder.path());
  e2e::X11Session x;
  const auto window = x.waitForWindow(program.pid(), "Quintrel V2.0 作者:Morvane");
  if (!window) {
    std::fprintf(stderr, "quintrel did not show its window\n");
    return 1;
  }
  const auto [applyX, applyY] = x.toRoot(*window, 273, 16);
  e2e::run("xdotool mousemove " + std::to_string(applyX) + " " + std::to_string(applyY) +
           " click 1 mousemove 700 700");
  std::this_thread::sleep_for(500ms);

  const auto press = [&](KeySym keysym) {
    const KeyCode keycode = XKeysymToKeycode(display, keysym);
    const Time sent = serverTime(display, clock);
    XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    XFlush(display);
    return sent;
  };

  std::vector<double> latencies;
  for (int i = 0; i < 20; ++i) {
    const Time sent = press(XK_F9);
    const auto times = pressTimes(probe, 1, 2s);
    if (times.size() == 1) latencies.push_back(static_cast<double>(times[0] - sent));
    std::this_thread::sleep_for(300ms);
  }

  const Usage before = usageOf(program.pid());
  const auto start = std::chrono::steady_clock::now();
  press(XK_F10);
  const auto clicks = pressTimes(probe, 10, 5s);
  std::this_thread::sleep_for(250ms);  // the pause after the last click
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const Usage after = usageOf(program.pid());
  std::vector<double> pauses;
  for (std::size_t i = 1; i < clicks.size(); ++i) {
    pauses.push_back(static_cast<double>(clicks[i] - clicks[i - 1]));
  }

  const Usage idleBefore = usageOf(program.pid());
  std::this_thread::sleep_for(5s);
  const Usage idleAfter = usageOf(program.pid());

  const double tick = 1.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  std::printf("hotkey to first click (server ms, %zu presses): median %.0f, max %.0f\n",
              latencies.size(), median(latencies),
              latencies.empty() ? 0 : *std::max_element(latencies.begin(), latencies.end()));
  std::printf(
      "pauses between clicks of a 10-row group (server ms): median %.0f, min %.0f, max %.0f\n",
      median(pauses), pauses.empty() ? 0 : *std::min_element(pauses.begin(), pauses.end()),
      pauses.empty() ? 0 : *std::max_element(pauses.begin(), pauses.end()));
  std::printf("CPU during the playback: %.3f s of %.2f s wall (%.1f%%)\n",
              static_cast<double>(after.ticks - before.ticks) * tick, wall,
              100.0 * static_cast<double>(after.ticks - before.ticks) * tick / wall);
  std::printf("wake-ups while idle for 5 s: %ld context switches\n",
              idleAfter.switches - idleBefore.switches);
  XCloseDisplay(display);
  return 0;
}
