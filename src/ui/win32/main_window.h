// The main window "Quintrel V2.0 作者:Morvane": a fixed window whose client area is 640 x 429
// pixels, with every control at its place, found by its name on the form ("按钮1", "热键框2", ...).
//
// The window realises the program's ports over its controls and hands them to the Application
// when it is created; its controls' events call the Application. Keyboard input passes the window
// level first (preTranslate: Tab and Shift + Tab move the focus), then an in-place editor's
// key-pressed event, then the control itself.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "platform/win32/win32_hotkey_window.h"
#include "platform/win32/win32_message_wait.h"
#include "platform/win32/win32_pointer.h"
#include "ui/win32/hyperlink.h"
#include "ui/win32/ui_fonts.h"
#include "ui/win32/win32_context_menu.h"
#include "ui/win32/win32_dialogs.h"
#include "ui/win32/win32_editor_controls.h"
#include "ui/win32/win32_hotkey_box.h"
#include "ui/win32/win32_list_view.h"
#include "ui/win32/win32_list_view_cells.h"
#include "ui/win32/win32_period_timer.h"
#include "ui/win32/win32_record_box.h"

namespace quintrel::win32 {

class MainWindow {
 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 429;
  // A fixed single frame: title bar, system menu and minimize button; no maximize, no sizing.
  static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

  // Makes the window and its controls, hidden and centred on the screen; exists() tells whether
  // the system made it.
  explicit MainWindow(Application& app);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  bool exists() const { return window_ != nullptr; }
  HWND handle() const { return window_; }

  // The window's created event: the Application prepares the controls and fills the table. Call
  // once, before show.
  void created();
  void show(int showCommand);

  // The window level of the keyboard, for every message taken from the queue before it is
  // translated and dispatched: true when the window has handled it, which then goes no further.
  bool preTranslate(MSG& message);

  // A control by its name on the form; null when there is none.
  HWND control(std::wstring_view name) const;

  Win32ListView& table() { return *table_; }
  Win32ListViewCells& cells() { return *cells_; }
  Win32ContextMenu& rowMenu() { return *rowMenu_; }
  Win32PeriodTimer& timer() { return *timer_; }
  Win32MessageWait& wait() { return wait_; }

 private:
  struct ControlPlace;

  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void buildControls();
  HWND addControl(const ControlPlace& place);
  void buildPorts();
  void buttonClicked(int id);
  LRESULT notified(const NMHDR& header);
  void activated(WPARAM state);
  void openPictureWindow();
  void placeCentred();
  void fitFrameToDpi(UINT dpi, const RECT* suggested);
  // The program lets go of the controls: none of their events reaches it any more.
  void shutDown();

  Application& app_;
  UiFonts fonts_;
  HWND window_ = nullptr;
  std::map<std::wstring, HWND, std::less<>> controls_;
  HWND savedFocus_ = nullptr;
  bool activatedBefore_ = false;
  bool shutDown_ = false;
  bool quitOnDestroy_ = true;

  Win32HotkeyWindow hotkeyWindow_;
  Win32Pointer pointer_;
  Win32MessageWait wait_;
  Win32Dialogs dialogs_;
  std::unique_ptr<Win32RecordBox> recordBox_;
  std::unique_ptr<Win32ListView> table_;
  std::unique_ptr<Win32ListViewCells> cells_;
  std::unique_ptr<Win32HotkeyBox> hotkeyBox1_;
  std::unique_ptr<Win32HotkeyBox> hotkeyBox2_;
  std::unique_ptr<Win32EditEditor> numberEditor_;
  std::unique_ptr<Win32EditEditor> hotkeyEditor_;
  std::unique_ptr<Win32ComboEditor> kindEditor_;
  std::vector<std::unique_ptr<EditorKeyEvents>> editorKeys_;
  std::unique_ptr<Hyperlink> link_;
  std::unique_ptr<Win32ContextMenu> rowMenu_;
  std::unique_ptr<Win32PeriodTimer> timer_;
};

}  // namespace quintrel::win32
