#include "ui/win32/dpi.h"

namespace quintrel::win32 {
namespace {

// User32 functions newer than the oldest Windows the program runs on, looked up at run time.
template <class Function>
Function user32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

using SetAwarenessContext = BOOL(WINAPI*)(HANDLE);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, ((DPI_AWARENESS_CONTEXT)-4).
HANDLE perMonitorAwareV2() { return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)); }

}  // namespace

void becomeDpiAware() {
  if (const auto setContext =
          user32Function<SetAwarenessContext>("SetProcessDpiAwarenessContext")) {
    if (setContext(perMonitorAwareV2()) != FALSE) return;
    // Refused when a manifest has set the awareness already, which is what we want anyway.
    if (GetLastError() == ERROR_ACCESS_DENIED) return;
  }
  if (const auto setAware = user32Function<BOOL(WINAPI*)()>("SetProcessDPIAware")) setAware();
}

UINT dpiOf(HWND window) {
  if (const auto getDpi = user32Function<GetDpiForWindowFunction>("GetDpiForWindow")) {
    if (const UINT dpi = getDpi(window); dpi != 0) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

SIZE outerSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  const auto adjustForDpi = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (adjustForDpi == nullptr || adjustForDpi(&rect, style, FALSE, exStyle, dpi) == FALSE) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace quintrel::win32
