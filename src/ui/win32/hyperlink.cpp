#include "ui/win32/hyperlink.h"

#include <commctrl.h>

namespace quintrel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x484C;  // "HL"

}  // namespace

Hyperlink::Hyperlink(HWND label, std::function<void()> pressed)
    : label_(label), pressed_(std::move(pressed)) {
  SetWindowSubclass(label_, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Hyperlink::~Hyperlink() { RemoveWindowSubclass(label_, subclassProc, kSubclassId); }

LRESULT CALLBACK Hyperlink::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
  auto& link = *reinterpret_cast<Hyperlink*>(self);
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A copy: what the press opens may outlive a disconnect meanwhile.
      if (const std::function<void()> pressed = link.pressed_) {
        pressed();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace quintrel::win32
