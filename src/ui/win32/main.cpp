// quintrel for Windows: plain Win32 and comctl32 over the portable core.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <filesystem>

#include "app/application.h"
#include "platform/win32/win32_input_hooks.h"
#include "table/hotkey_columns.h"
#include "ui/win32/dpi.h"
#include "ui/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  quintrel::win32::becomeDpiAware();
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  // The process-wide objects exist before the main window and are released after it is gone.
  quintrel::Win32InputHooks inputHooks;
  quintrel::Application app{std::filesystem::path(quintrel::kListFileName), inputHooks};
  quintrel::win32::MainWindow window(app);
  if (!window.exists()) return 1;
  window.created();
  window.show(showCommand);

  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (window.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}
