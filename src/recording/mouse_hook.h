// MouseHook: installs input hooks for a caller and hands each event to the caller's callback as
// two small codes, letting the callback decide whether the event is swallowed.
//
// The object holds at most one keyboard hook and one mouse hook, each either desktop-wide
// (low-level, the default) or bound to the thread of a given window. A callback receives
// (message, virtual-key code, 0) for keys and (button code, action code, 0) for the mouse (see
// hook_codes.h); a result of exactly 1 swallows the event, any other lets it pass on. The event's
// own position is not passed: a callback that needs one reads the cursor position.
//
// Each installed hook's procedure is a closure over this object, so the system needs no user data
// to find it. The object removes its hooks when it is released: a hook must never call into a
// released object.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/input_hooks.h"

namespace quintrel {

// (message or button code, virtual-key or action code, always 0) -> 1 to swallow the event.
using HookCallback = std::function<std::int32_t(std::int32_t, std::int32_t, std::int32_t)>;

struct HookRecord {
  HookCallback callback;  // given at the last install of this kind; empty before the first
  HookHandle hook = 0;    // 0 when no hook of this kind is installed
};

class MouseHook {
 public:
  // The result of a callback that swallows its event.
  static constexpr std::int32_t kSwallow = 1;

  // system must outlive the object.
  explicit MouseHook(InputHooks& system);
  MouseHook(const MouseHook&) = delete;
  MouseHook& operator=(const MouseHook&) = delete;
  ~MouseHook();

  // Installs the hook of the kind with callback: desktop-wide when global, else on the thread
  // that owns window (used only then). A hook of the kind that is installed already is removed
  // first. Returns the new hook's handle, 0 when the system refused or window has no thread.
  HookHandle installKeyboardHook(WindowHandle window, HookCallback callback, bool global = true);
  HookHandle installMouseHook(WindowHandle window, HookCallback callback, bool global = true);

  // With a handle: removes that hook and returns whether the system did; the records stay as they
  // are. Without: removes the keyboard hook, then the mouse hook, and returns the result of the
  // last removal, 0 when nothing was installed.
  int uninstall(HookHandle hook = 0);

  // The procedures of the four kinds of hook, as the system calls them.
  std::intptr_t lowLevelKeyboardProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t keyboardProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t lowLevelMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t mouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam);

  const HookRecord& keyboard() const { return keyboard_; }
  const HookRecord& mouse() const { return mouse_; }

 private:
  HookHandle install(HookRecord& record, int kind, std::uint32_t thread, HookCallback callback,
                     HookProcedure procedure);
  // Calls the record's callback, or lets the event pass when there is none.
  static std::int32_t callBack(const HookRecord& record, std::int32_t first, std::int32_t second);

  InputHooks& system_;
  HookRecord keyboard_;
  HookRecord mouse_;
};

}  // namespace quintrel
