#include "platform/win32/win32_input_hooks.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <utility>

namespace quintrel {
namespace {

static_assert(hook::kKeyboard == WH_KEYBOARD && hook::kMouse == WH_MOUSE &&
              hook::kKeyboardLowLevel == WH_KEYBOARD_LL && hook::kMouseLowLevel == WH_MOUSE_LL);
static_assert(hook::kAction == HC_ACTION);

// The core reads the system's records through its own structs, so they must agree field for field.
#define QUINTREL_SAME_FIELD(Ours, ourField, Theirs, theirField)             \
  static_assert(offsetof(Ours, ourField) == offsetof(Theirs, theirField) && \
                sizeof(Ours::ourField) == sizeof(Theirs::theirField))
static_assert(sizeof(hook::LowLevelMouseRecord) == sizeof(MSLLHOOKSTRUCT));
QUINTREL_SAME_FIELD(hook::LowLevelMouseRecord, x, MSLLHOOKSTRUCT, pt.x);
QUINTREL_SAME_FIELD(hook::LowLevelMouseRecord, y, MSLLHOOKSTRUCT, pt.y);
QUINTREL_SAME_FIELD(hook::LowLevelMouseRecord, mouseData, MSLLHOOKSTRUCT, mouseData);
QUINTREL_SAME_FIELD(hook::LowLevelMouseRecord, flags, MSLLHOOKSTRUCT, flags);
QUINTREL_SAME_FIELD(hook::LowLevelMouseRecord, time, MSLLHOOKSTRUCT, time);
QUINTREL_SAME_FIELD(hook::LowLevelMouseRecord, extraInfo, MSLLHOOKSTRUCT, dwExtraInfo);
static_assert(sizeof(hook::LowLevelKeyRecord) == sizeof(KBDLLHOOKSTRUCT));
QUINTREL_SAME_FIELD(hook::LowLevelKeyRecord, virtualKey, KBDLLHOOKSTRUCT, vkCode);
QUINTREL_SAME_FIELD(hook::LowLevelKeyRecord, scanCode, KBDLLHOOKSTRUCT, scanCode);
QUINTREL_SAME_FIELD(hook::LowLevelKeyRecord, flags, KBDLLHOOKSTRUCT, flags);
QUINTREL_SAME_FIELD(hook::LowLevelKeyRecord, time, KBDLLHOOKSTRUCT, time);
QUINTREL_SAME_FIELD(hook::LowLevelKeyRecord, extraInfo, KBDLLHOOKSTRUCT, dwExtraInfo);
static_assert(sizeof(hook::ThreadMouseRecord) == sizeof(MOUSEHOOKSTRUCT));
QUINTREL_SAME_FIELD(hook::ThreadMouseRecord, x, MOUSEHOOKSTRUCT, pt.x);
QUINTREL_SAME_FIELD(hook::ThreadMouseRecord, y, MOUSEHOOKSTRUCT, pt.y);
QUINTREL_SAME_FIELD(hook::ThreadMouseRecord, window, MOUSEHOOKSTRUCT, hwnd);
QUINTREL_SAME_FIELD(hook::ThreadMouseRecord, hitTestCode, MOUSEHOOKSTRUCT, wHitTestCode);
QUINTREL_SAME_FIELD(hook::ThreadMouseRecord, extraInfo, MOUSEHOOKSTRUCT, dwExtraInfo);
#undef QUINTREL_SAME_FIELD

struct HookSlot {
  HHOOK hook = nullptr;
  HookProcedure procedure;                 // empty while the slot is free
  const Win32InputHooks* owner = nullptr;  // whose destructor removes the hook
};

// Never destroyed: a hook object released during the process's exit still finds its slots.
std::array<HookSlot, Win32InputHooks::kSlotCount>& slots() {
  static auto* const table = new std::array<HookSlot, Win32InputHooks::kSlotCount>();
  return *table;
}

LRESULT callSlot(std::size_t index, int code, WPARAM wParam, LPARAM lParam) {
  const HookSlot& slot = slots()[index];
  // A negative code is the system's own business: straight on to the next hook. So is an event
  // still on its way to a hook that was just removed.
  if (code < 0 || !slot.procedure) return CallNextHookEx(slot.hook, code, wParam, lParam);
  // A copy: the procedure may remove its own hook, and so empty the slot, while it runs.
  const HookProcedure procedure = slot.procedure;
  return procedure(code, wParam, lParam);
}

template <std::size_t Index>
LRESULT CALLBACK slotProcedure(int code, WPARAM wParam, LPARAM lParam) {
  return callSlot(Index, code, wParam, lParam);
}

template <std::size_t... Index>
constexpr std::array<HOOKPROC, sizeof...(Index)> makeSlotProcedures(std::index_sequence<Index...>) {
  return {&slotProcedure<Index>...};
}

constexpr auto kSlotProcedures =
    makeSlotProcedures(std::make_index_sequence<Win32InputHooks::kSlotCount>());

bool isLowLevel(int kind) {
  return kind == hook::kKeyboardLowLevel || kind == hook::kMouseLowLevel;
}
bool isThreadBound(int kind) { return kind == hook::kKeyboard || kind == hook::kMouse; }

HHOOK toSystem(HookHandle hook) { return reinterpret_cast<HHOOK>(hook); }

}  // namespace

Win32InputHooks::~Win32InputHooks() {
  for (HookSlot& slot : slots()) {
    if (slot.owner == this) unhook(reinterpret_cast<HookHandle>(slot.hook));
  }
}

HookHandle Win32InputHooks::setHook(int kind, HookProcedure procedure, std::uint32_t thread) {
  if (!procedure) return 0;
  // A desktop-wide hook of a thread-bound kind would need a library to inject into every program.
  if (!(isLowLevel(kind) && thread == 0) && !(isThreadBound(kind) && thread != 0)) return 0;
  auto& table = slots();
  std::size_t index = 0;
  while (index < table.size() && table[index].procedure) ++index;
  if (index == table.size()) return 0;

  HookSlot& slot = table[index];
  // The procedure is in place before the system can call it.
  slot.procedure = std::move(procedure);
  slot.owner = this;
  // A low-level hook names the module its procedure is in; a hook on a thread of this process
  // takes no module, the procedure being in the program itself.
  const HINSTANCE module = isLowLevel(kind) ? GetModuleHandleW(nullptr) : nullptr;
  slot.hook = SetWindowsHookExW(kind, kSlotProcedures[index], module, thread);
  if (slot.hook == nullptr) slot = HookSlot{};
  return reinterpret_cast<HookHandle>(slot.hook);
}

std::intptr_t Win32InputHooks::callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
  return CallNextHookEx(toSystem(hook), code, wParam, lParam);
}

bool Win32InputHooks::unhook(HookHandle hook) {
  if (hook == 0) return false;
  for (HookSlot& slot : slots()) {
    if (slot.owner != this || slot.hook != toSystem(hook)) continue;
    const bool removed = UnhookWindowsHookEx(slot.hook) != FALSE;
    slot = HookSlot{};
    return removed;
  }
  return false;
}

std::uint32_t Win32InputHooks::windowThread(WindowHandle window) {
  return GetWindowThreadProcessId(reinterpret_cast<HWND>(window), nullptr);
}

}  // namespace quintrel
