// The system's input hooks: a procedure that sees every mouse or keyboard event, either of the
// whole desktop (low-level hooks) or of one thread's windows. A procedure receives an event as
// (code, wParam, lParam) in the Windows form: code 0 (HC_ACTION) for an event, wParam the window
// message (WM_LBUTTONUP, WM_KEYDOWN, ...), lParam the address of the event's record below, valid
// only during the call. A front end on another system builds these records from its own events.
#pragma once

#include <cstdint>
#include <functional>

namespace quintrel {

// A hook as the system names it; 0 is no hook.
using HookHandle = std::uintptr_t;
// A window of the program, as the front end names it to the system.
using WindowHandle = std::uintptr_t;
// Sees one event; its result goes back to the system (see InputHooks::setHook).
using HookProcedure =
    std::function<std::intptr_t(int code, std::uintptr_t wParam, std::intptr_t lParam)>;

namespace hook {

// The kinds of hook.
inline constexpr int kKeyboard = 2;           // keys of one thread's windows
inline constexpr int kMouse = 7;              // mouse of one thread's windows
inline constexpr int kKeyboardLowLevel = 13;  // keys of the whole desktop
inline constexpr int kMouseLowLevel = 14;     // mouse of the whole desktop

// The code of a notification that carries an event.
inline constexpr int kAction = 0;

// What lParam points to, field for field as the system lays them out.
struct LowLevelMouseRecord {  // kMouseLowLevel
  std::int32_t x = 0;         // where the event happened, in screen pixels
  std::int32_t y = 0;
  std::uint32_t mouseData = 0;  // high word: wheel delta, or which extra button
  std::uint32_t flags = 0;
  std::uint32_t time = 0;
  std::uintptr_t extraInfo = 0;
};
struct LowLevelKeyRecord {  // kKeyboardLowLevel
  std::uint32_t virtualKey = 0;
  std::uint32_t scanCode = 0;
  std::uint32_t flags = 0;
  std::uint32_t time = 0;
  std::uintptr_t extraInfo = 0;
};
struct ThreadMouseRecord {  // kMouse
  std::int32_t x = 0;
  std::int32_t y = 0;
  WindowHandle window = 0;
  std::uint32_t hitTestCode = 0;
  std::uintptr_t extraInfo = 0;
};
// kKeyboard passes no record: wParam is the virtual-key code and lParam the key's flags (repeat
// count, scan code, and in bit 31 whether the key goes up).

}  // namespace hook

class InputHooks {
 public:
  InputHooks() = default;
  InputHooks(const InputHooks&) = delete;
  InputHooks& operator=(const InputHooks&) = delete;
  virtual ~InputHooks() = default;

  // Installs procedure as a hook of kind (hook::k...) on thread, 0 for the whole desktop; the new
  // hook's handle, or 0 when the system refuses. A result of 1 from the procedure asks that the
  // event go no further. X11 cannot do that for the whole desktop: its low-level hooks observe
  // events that are delivered regardless, so there the result only ends the chain of hooks.
  virtual HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread) = 0;
  // Passes the event on to the hooks installed before hook and returns what they return.
  virtual std::intptr_t callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
  // Removes hook: its procedure is never called again. False when hook is not installed (never
  // made, or removed already); nothing happens then.
  virtual bool unhook(HookHandle hook) = 0;
  // The thread that owns window, for thread-bound hooks; 0 when there is no such window.
  virtual std::uint32_t windowThread(WindowHandle window) = 0;
  // Delivers every event the system has seen so far to the hooks now. Where events reach the
  // hooks by a way of their own (X11), the click on a button may otherwise arrive after the
  // button's handler has removed the hook.
  virtual void deliverPending() {}
};

}  // namespace quintrel
