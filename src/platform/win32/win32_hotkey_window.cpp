#include "platform/win32/win32_hotkey_window.h"

#include <string>
#include <utility>

#include "hotkeytext/hotkey_text.h"
#include "platform/win32/win32_text_codec.h"

namespace quintrel {
namespace {

// The core's modifier flags are the system's, so they are passed on unchanged.
static_assert(kModAlt == MOD_ALT && kModControl == MOD_CONTROL && kModShift == MOD_SHIFT &&
              kModWin == MOD_WIN);
static_assert(kWmHotkey == WM_HOTKEY);

std::wstring propertyName(std::string_view cp936) { return cp936ToWide(cp936).text; }

}  // namespace

LRESULT Win32HotkeyWindow::hotkeyPressed(WPARAM wParam, LPARAM lParam) {
  return send(kWmHotkey, wParam, lParam);
}

bool Win32HotkeyWindow::registerHotkey(int id, unsigned modifiers, int virtualKey) {
  // Without a window RegisterHotKey would register for the thread, whose WM_HOTKEY no window
  // procedure sees.
  if (window_ == nullptr || virtualKey < 0) return false;
  return RegisterHotKey(window_, id, modifiers, static_cast<UINT>(virtualKey)) != FALSE;
}

bool Win32HotkeyWindow::unregisterHotkey(int id) {
  if (window_ == nullptr) return false;
  return UnregisterHotKey(window_, id) != FALSE;
}

void* Win32HotkeyWindow::property(std::string_view name) const {
  if (window_ == nullptr) return nullptr;
  return GetPropW(window_, propertyName(name).c_str());
}

void Win32HotkeyWindow::setProperty(std::string_view name, void* value) {
  if (window_ == nullptr) return;
  SetPropW(window_, propertyName(name).c_str(), value);
}

void Win32HotkeyWindow::removeProperty(std::string_view name) {
  if (window_ == nullptr) return;
  RemovePropW(window_, propertyName(name).c_str());
}

WindowProcedure* Win32HotkeyWindow::setProcedure(WindowProcedure* procedure) {
  return std::exchange(procedure_, procedure != nullptr ? procedure : &base_);
}

}  // namespace quintrel
