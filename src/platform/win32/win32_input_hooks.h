// Input hooks on Windows: SetWindowsHookExW for the four kinds the core uses.
//
// The system calls a hook procedure with no user data, so each hook needs a procedure of its own
// that knows where its object is. Those procedures are fixed functions, one per slot of a small
// process-wide table (a template instantiated once per slot); a slot holds the hook's handle, its
// procedure and the Win32InputHooks that made it. When every slot is in use, setHook refuses.
//
// The event records the system passes (MSLLHOOKSTRUCT, KBDLLHOOKSTRUCT, MOUSEHOOKSTRUCT) have the
// layout of the core's hook records on x86 and x64 alike, so lParam goes to the procedure as it is.
//
// The system calls hook procedures on the thread that installed them, while it takes messages;
// hooks are made and used on the one GUI thread, which is why the table needs no lock.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/input_hooks.h"

namespace quintrel {

class Win32InputHooks final : public InputHooks {
 public:
  // How many hooks the process can hold at once, over every Win32InputHooks.
  static constexpr std::size_t kSlotCount = 8;

  Win32InputHooks() = default;
  // Removes every hook this object installed: none calls into it afterwards.
  ~Win32InputHooks() override;

  // Thread-bound kinds need a thread (of this process: no hook library is injected elsewhere);
  // low-level kinds need thread 0. 0 when the system refuses or no slot is free.
  HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread) override;
  std::intptr_t callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  bool unhook(HookHandle hook) override;
  std::uint32_t windowThread(WindowHandle window) override;
};

}  // namespace quintrel
