// Input hooks on X11: the desktop-wide mouse hook is XInput 2 raw button events on the root
// window, read over a connection of the program's own (the front end watches fd() and calls
// dispatchEvents(), no thread). Raw events are observed, never intercepted: X delivers every click
// to its window whatever a hook returns, so a hook here cannot swallow an event.
//
// Each event becomes a low-level mouse record in the Windows form (position in the Windows
// convention, read at once; wheel and extra buttons with their mouseData) and goes to the newest
// hook, which may pass it to the older ones with callNextHook. Thread-bound hooks and the keyboard
// hooks are not offered yet: setHook refuses them.
#pragma once

#include <X11/Xlib.h>

#include <map>

#include <memory>

#include "platform/input_hooks.h"
#include "platform/x11/x11_pointer.h"

namespace quintrel::x11 {

class X11InputHooks final : public InputHooks {
 public:
  // Opens the program's connection for hooks; where a click happened is where the cursor is when
  // its event is read.
  X11InputHooks();
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
  bool unhook(HookHandle hook) override;
  std::uint32_t windowThread(WindowHandle window) override;

 private:
  void listen(bool on);
  void deliver(unsigned message, std::uint32_t mouseData);

  Display* display_ = nullptr;
  std::unique_ptr<X11Pointer> pointer_;
  int xiOpcode_ = 0;
  bool listening_ = false;
  HookHandle nextHandle_ = 1;
  std::map<HookHandle, HookProcedure> hooks_;  // by handle: newer hooks have larger handles
};

}  // namespace quintrel::x11
