// Per-monitor DPI awareness, where the system has it (Windows 10 1703 and later): the program's
// pixels are then the screen's, and a window keeps its client size in pixels on every monitor
// while its frame follows the monitor's scale. Older systems get the system-wide equivalents.
#pragma once

#include <windows.h>

namespace quintrel::win32 {

// Asks for per-monitor (v2) awareness; the manifest asks first, so this only matters where a
// manifest is not read. Harmless where the awareness is set already.
void becomeDpiAware();

// The DPI a window is shown with (96 where the system cannot tell).
UINT dpiOf(HWND window);

// The outer size of a window whose client area is clientWidth x clientHeight, with its frame at
// dpi.
SIZE outerSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace quintrel::win32
