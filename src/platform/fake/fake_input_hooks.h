// Input hooks kept in memory. The test plays the system: it delivers events to installed hooks,
// refuses installs on request and reads back every call the core made.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/input_hooks.h"

namespace quintrel {

class FakeInputHooks final : public InputHooks {
 public:
  struct Installed {
    int kind = 0;
    std::uint32_t thread = 0;
    HookProcedure procedure;
  };
  struct SetHookCall {
    int kind = 0;
    std::uint32_t thread = 0;
    friend bool operator==(const SetHookCall&, const SetHookCall&) = default;
  };
  struct NextHookCall {
    HookHandle hook = 0;
    int code = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const NextHookCall&, const NextHookCall&) = default;
  };

  HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread) override {
    setHookCalls.push_back({kind, thread});
    if (refuseHooks) return 0;
    const HookHandle handle = nextHandle_++;  // never reused, as a stale handle must stay dead
    hooks[handle] = {kind, thread, std::move(procedure)};
    return handle;
  }
  std::intptr_t callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override {
    nextHookCalls.push_back({hook, code, wParam, lParam});
    return nextHookResult;
  }
  bool unhook(HookHandle hook) override {
    unhookCalls.push_back(hook);
    return hooks.erase(hook) > 0;
  }
  std::uint32_t windowThread(WindowHandle window) override {
    const auto found = windowThreads.find(window);
    return found == windowThreads.end() ? 0 : found->second;
  }

  // Calls the procedure of hook as the system would; false when hook is not installed.
  bool deliver(HookHandle hook, int code, std::uintptr_t wParam, std::intptr_t lParam,
               std::intptr_t& result) {
    const auto found = hooks.find(hook);
    if (found == hooks.end()) return false;
    // A copy: the procedure may remove its own hook while it runs.
    const HookProcedure procedure = found->second.procedure;
    result = procedure(code, wParam, lParam);
    return true;
  }
  // Handles of the installed hooks of kind, oldest first.
  std::vector<HookHandle> installedOf(int kind) const {
    std::vector<HookHandle> found;
    for (const auto& [handle, hook] : hooks) {
      if (hook.kind == kind) found.push_back(handle);
    }
    return found;
  }

  std::map<HookHandle, Installed> hooks;  // installed now
  std::vector<SetHookCall> setHookCalls;
  std::vector<NextHookCall> nextHookCalls;
  std::vector<HookHandle> unhookCalls;
  std::map<WindowHandle, std::uint32_t> windowThreads;  // the windows that exist
  bool refuseHooks = false;
  std::intptr_t nextHookResult = 0;  // what the later hooks answer

 private:
  HookHandle nextHandle_ = 0x100;
};

}  // namespace quintrel
