#include "recording/mouse_hook.h"

#include <cstring>
#include <utility>

#include "recording/hook_codes.h"

namespace quintrel {
namespace {

// The event record behind lParam, copied before it is read.
template <class Record>
Record copyRecord(std::intptr_t lParam) {
  Record record;
  std::memcpy(&record, reinterpret_cast<const void*>(lParam), sizeof record);
  return record;
}

}  // namespace

MouseHook::MouseHook(InputHooks& system) : system_(system) {}

MouseHook::~MouseHook() { uninstall(); }

HookHandle MouseHook::installKeyboardHook(WindowHandle window, HookCallback callback, bool global) {
  if (global) {
    return install(keyboard_, hook::kKeyboardLowLevel, 0, std::move(callback),
                   [this](int code, std::uintptr_t wParam, std::intptr_t lParam) {
                     return lowLevelKeyboardProc(code, wParam, lParam);
                   });
  }
  return install(keyboard_, hook::kKeyboard, system_.windowThread(window), std::move(callback),
                 [this](int code, std::uintptr_t wParam, std::intptr_t lParam) {
                   return keyboardProc(code, wParam, lParam);
                 });
}

HookHandle MouseHook::installMouseHook(WindowHandle window, HookCallback callback, bool global) {
  if (global) {
    return install(mouse_, hook::kMouseLowLevel, 0, std::move(callback),
                   [this](int code, std::uintptr_t wParam, std::intptr_t lParam) {
                     return lowLevelMouseProc(code, wParam, lParam);
                   });
  }
  return install(mouse_, hook::kMouse, system_.windowThread(window), std::move(callback),
                 [this](int code, std::uintptr_t wParam, std::intptr_t lParam) {
                   return mouseProc(code, wParam, lParam);
                 });
}

HookHandle MouseHook::install(HookRecord& record, int kind, std::uint32_t thread,
                              HookCallback callback, HookProcedure procedure) {
  // An earlier hook of the kind would otherwise stay installed untracked: every event would
  // reach the callback twice, and no uninstall could ever remove it.
  if (record.hook != 0) {
    system_.unhook(record.hook);
    record.hook = 0;
  }
  record.callback = std::move(callback);
  // A thread of 0 would make a thread-bound kind of hook desktop-wide; a window without a thread
  // gets no hook at all.
  const bool threadBound = kind == hook::kKeyboard || kind == hook::kMouse;
  if (threadBound && thread == 0) return 0;
  record.hook = system_.setHook(kind, std::move(procedure), thread);
  return record.hook;
}

int MouseHook::uninstall(HookHandle hook) {
  if (hook != 0) return system_.unhook(hook) ? 1 : 0;
  int result = 0;
  for (HookRecord* record : {&keyboard_, &mouse_}) {
    if (record->hook == 0) continue;
    result = system_.unhook(record->hook) ? 1 : 0;
    record->hook = 0;
  }
  return result;
}

std::int32_t MouseHook::callBack(const HookRecord& record, std::int32_t first,
                                 std::int32_t second) {
  // A copy: the callback may install a new one of its kind while it runs.
  const HookCallback callback = record.callback;
  return callback ? callback(first, second, 0) : 0;
}

std::intptr_t MouseHook::lowLevelKeyboardProc(int code, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
  // WM_SYSKEYDOWN and WM_SYSKEYUP (keys with Alt held, F10) never reach the callback.
  const bool keyMessage =
      wParam == msg::kWmKeyDown || wParam == msg::kWmKeyUp || wParam == msg::kWmChar;
  if (code == hook::kAction && lParam != 0 && keyMessage) {
    const auto record = copyRecord<hook::LowLevelKeyRecord>(lParam);
    if (callBack(keyboard_, static_cast<std::int32_t>(wParam),
                 static_cast<std::int32_t>(record.virtualKey)) == kSwallow) {
      return 1;
    }
  }
  return system_.callNextHook(keyboard_.hook, code, wParam, lParam);
}

std::intptr_t MouseHook::keyboardProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  if (code == hook::kAction && lParam != 0) {
    const std::uintptr_t message = threadKeyMessage(lParam);
    if (callBack(keyboard_, static_cast<std::int32_t>(message),
                 static_cast<std::int32_t>(wParam)) == kSwallow) {
      return 1;
    }
  }
  return system_.callNextHook(keyboard_.hook, code, wParam, lParam);
}

std::intptr_t MouseHook::lowLevelMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  if (code == hook::kAction && lParam != 0) {
    const auto record = copyRecord<hook::LowLevelMouseRecord>(lParam);
    // Every event reaches the callback, moves too, as (0, 0).
    const MouseCodes codes = lowLevelMouseCodes(wParam, record.mouseData);
    if (callBack(mouse_, codes.button, codes.action) == kSwallow) return 1;
  }
  return system_.callNextHook(mouse_.hook, code, wParam, lParam);
}

std::intptr_t MouseHook::mouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  // A thread-bound hook acts on every code from 0 up, not only on an event's code.
  if (code >= hook::kAction && lParam != 0) {
    const MouseCodes codes = threadMouseCodes(wParam);
    if (callBack(mouse_, codes.button, codes.action) == kSwallow) return 1;
  }
  return system_.callNextHook(mouse_.hook, code, wParam, lParam);
}

}  // namespace quintrel
