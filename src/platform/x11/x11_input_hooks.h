// Input hooks on X11: the desktop-wide hooks are XInput 2 raw events on the root window, read over
// a connection of the program's own (the front end watches fd() and calls dispatchEvents(), no
// thread). Raw events are observed, never intercepted: X delivers every click and key to its
// window whatever a hook returns, so a hook here cannot swallow an event.
//
// - Low-level mouse hook: raw button events. Each becomes a low-level mouse record in the Windows
//   form (position in the Windows convention, read at once; wheel and extra buttons with their
//   mouseData).
// - Low-level keyboard hook: raw key events. The keycode's keysym (first group, first level)
//   gives the virtual key, and each event reads as on Windows: WM_SYSKEYDOWN / WM_SYSKEYUP with
//   Alt held, sided modifier keys, LLKHF_UP and LLKHF_ALTDOWN (see low_level_keyboard.h).
// Raw events of a kind are asked for only while a hook of that kind is installed.
//
// Each event goes to the newest hook of its kind, which may pass it to the older ones with
// callNextHook. The thread-bound kinds are hooks on the program's own windows, whose events only
// the toolkit sees: setHook refuses them here, and the Qt front end keeps them in the same chains.
#pragma once

#include <X11/Xlib.h>

#include <memory>

#include "platform/input_hooks.h"
#include "platform/x11/hook_chains.h"
#include "platform/x11/low_level_keyboard.h"
#include "platform/x11/x11_pointer.h"

namespace quintrel::x11 {

class X11InputHooks final : public InputHooks {
 public:
  // Opens the program's connection for hooks; where a click happened is where the cursor is when
  // its event is read. The hooks are kept in chains, which must outlive this object.
  explicit X11InputHooks(HookChains& chains);
  ~X11InputHooks() override;
  X11InputHooks(const X11InputHooks&) = delete;
  X11InputHooks& operator=(const X11InputHooks&) = delete;

  // False without an X display or without XInput 2: every hook is then refused.
  bool valid() const { return display_ != nullptr && xiOpcode_ != 0; }
  int fd() const;
  void dispatchEvents();
  void deliverPending() override;

  HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread) override;
  std::intptr_t callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  // Removes a hook of any kind in the chains.
  bool unhook(HookHandle hook) override;
  std::uint32_t windowThread(WindowHandle window) override;

 private:
  // Asks for the raw events of the kinds that have hooks, and for no others.
  void listen();
  // Takes the Alt and Ctrl keys that are down as the keyboard hook starts.
  void restartKeyboard();
  void deliverButton(bool press, int button);
  void deliverMouse(unsigned message, std::uint32_t mouseData);
  void deliverKey(bool press, unsigned keycode, std::uint32_t time);

  HookChains& chains_;
  Display* display_ = nullptr;
  std::unique_ptr<X11Pointer> pointer_;
  int xiOpcode_ = 0;
  bool mouseListening_ = false;
  bool keyboardListening_ = false;
  LowLevelKeyboard keyboard_;
};

}  // namespace quintrel::x11
