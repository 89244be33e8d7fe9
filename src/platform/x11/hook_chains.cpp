#include "platform/x11/hook_chains.h"

#include <utility>

namespace quintrel::x11 {

HookHandle HookChains::add(int kind, HookProcedure procedure) {
  const HookHandle handle = nextHandle_++;
  hooks_.emplace(handle, Hook{kind, std::move(procedure)});
  return handle;
}

bool HookChains::remove(HookHandle hook) { return hooks_.erase(hook) > 0; }

bool HookChains::has(int kind) const {
  for (const auto& [handle, hook] : hooks_) {
    if (hook.kind == kind) return true;
  }
  return false;
}

std::intptr_t HookChains::callNewest(int kind, int code, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  for (auto newer = hooks_.rbegin(); newer != hooks_.rend(); ++newer) {
    if (newer->second.kind == kind) return call(newer->second.procedure, code, wParam, lParam);
  }
  return 0;
}

std::intptr_t HookChains::callNext(HookHandle hook, int code, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
  const auto self = hooks_.find(hook);
  if (self == hooks_.end()) return 0;
  const int kind = self->second.kind;
  for (auto older = std::make_reverse_iterator(self); older != hooks_.rend(); ++older) {
    if (older->second.kind == kind) return call(older->second.procedure, code, wParam, lParam);
  }
  return 0;
}

std::intptr_t HookChains::call(HookProcedure procedure, int code, std::uintptr_t wParam,
                               std::intptr_t lParam) {
  return procedure(code, wParam, lParam);
}

}  // namespace quintrel::x11
