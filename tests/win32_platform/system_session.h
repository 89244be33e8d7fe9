// What the tests of the Windows ports need from the system: a visible window of their own that
// logs the messages it receives, input made with SendInput, and a message pump that runs until
// what the system delivers on its own time (hooks, input, hotkeys) has arrived.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "platform/pointer.h"
#include "platform/win32/win32_hotkey_window.h"

namespace quintrel::test {

struct ReceivedMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  friend bool operator==(const ReceivedMessage&, const ReceivedMessage&) = default;
};

// A top-level window without a frame, shown at area (screen pixels) on top of the others.
//
// Only a window that takes the focus gets keys. Without a window manager (Xvfb), Wine waits some
// seconds for one when such a window goes away, so the others are never activated, clicks on them
// included.
class TestWindow {
 public:
  enum class Focus { Never, Take };
  explicit TestWindow(Focus focus = Focus::Never, RECT area = {200, 200, 400, 350});
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  // Null when the system would not make the window (no display).
  HWND handle() const { return window_; }
  // The middle of the window, in screen pixels.
  ScreenPoint center() const;

  // Mouse buttons, keys, WM_TIMER and the WM_APP range, in order.
  std::vector<ReceivedMessage> received;
  // Called for each message that goes into received, after it went in.
  std::function<void(const ReceivedMessage&)> onMessage;
  // Where WM_HOTKEY goes, as the program's main window sends it.
  Win32HotkeyWindow* hotkeys = nullptr;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  Focus focus_;
};

// Dispatches messages until done() holds, or gives up after some seconds; done()'s last answer.
bool pumpUntil(const std::function<bool()>& done);
// Dispatches whatever is waiting now.
void pumpWaiting();

// Key presses and releases, in order, through SendInput: {virtual key, up}.
struct KeyStroke {
  WORD key = 0;
  bool up = false;
};
void sendKeys(const std::vector<KeyStroke>& strokes);

}  // namespace quintrel::test
