// Input hooks kept by the program itself, where the desktop keeps none: one chain per kind of
// hook, newest first, as Windows keeps them. Each install gets a handle of its own that is never
// reused, whatever its kind, so a stale handle can never name a later hook.
//
// The X11 side keeps the desktop-wide kinds here and the Qt side the thread-bound ones, in one
// object, so that one handle space and one callNextHook serve both.
#pragma once

#include <cstdint>
#include <map>

#include "platform/input_hooks.h"

namespace quintrel::x11 {

class HookChains {
 public:
  // Adds procedure as the newest hook of kind; its handle.
  HookHandle add(int kind, HookProcedure procedure);
  // Removes hook, of whatever kind; false when it is not installed.
  bool remove(HookHandle hook);
  bool has(int kind) const;
  // The event goes to the newest hook of kind; what it returns, 0 when there is none.
  std::intptr_t callNewest(int kind, int code, std::uintptr_t wParam, std::intptr_t lParam);
  // The event goes to the hook of the same kind installed before hook; what it returns, 0 when
  // there is none or hook is not installed.
  std::intptr_t callNext(HookHandle hook, int code, std::uintptr_t wParam, std::intptr_t lParam);

 private:
  struct Hook {
    int kind;
    HookProcedure procedure;
  };
  // A copy of the procedure is called: it may remove its own hook while it runs.
  static std::intptr_t call(HookProcedure procedure, int code, std::uintptr_t wParam,
                            std::intptr_t lParam);

  std::map<HookHandle, Hook> hooks_;  // newer hooks have larger handles
  HookHandle nextHandle_ = 1;
};

}  // namespace quintrel::x11
