#include "ui/win32/win32_hotkey_box.h"

#include <commctrl.h>

#include "ui/win32/wide_text.h"

namespace quintrel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x484B;  // "HK"

}  // namespace

Win32HotkeyBox::Win32HotkeyBox(HWND edit, std::wstring name) : edit_(edit), name_(std::move(name)) {
  SetWindowSubclass(edit_, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Win32HotkeyBox::~Win32HotkeyBox() { RemoveWindowSubclass(edit_, subclassProc, kSubclassId); }

std::string Win32HotkeyBox::name() const { return narrow(name_); }
std::string Win32HotkeyBox::text() const { return windowTextCp936(edit_); }
void Win32HotkeyBox::setText(std::string_view text) { setWindowTextCp936(edit_, text); }

void Win32HotkeyBox::setReadOnly(bool readOnly) {
  SendMessageW(edit_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

// The box's WM_KILLFOCUS arrives inside this call.
void Win32HotkeyBox::dropFocus() { SetFocus(nullptr); }

LRESULT CALLBACK Win32HotkeyBox::subclassProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto& box = *reinterpret_cast<Win32HotkeyBox*>(self);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (box.procedure_ && box.procedure_(box, message, static_cast<int>(wParam))) return 0;
      break;
    case WM_KILLFOCUS:
      if (box.procedure_ && box.procedure_(box, message, 0)) return 0;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace quintrel::win32
