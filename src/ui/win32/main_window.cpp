#include "ui/win32/main_window.h"

#include <commctrl.h>

#include <utility>

#include "app/app_texts.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi.h"
#include "ui/win32/keyboard_navigation.h"
#include "ui/win32/picture_window.h"
#include "ui/win32/wide_text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace quintrel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuintrelMainWindow";
constexpr int kIconResource = 1;

void registerClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kWindowClass, &windowClass) != FALSE) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

}  // namespace

MainWindow::MainWindow(Application& app)
    : app_(app), wait_([this](MSG& message) { return preTranslate(message); }) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  registerClass(instance, windowProc);
  const SIZE outer = outerSizeFor(kClientWidth, kClientHeight, kStyle, 0, USER_DEFAULT_SCREEN_DPI);
  CreateWindowExW(0, kWindowClass, widen(texts::kMainWindowTitle).c_str(), kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return;
  buildControls();
  buildPorts();
  fitFrameToDpi(dpiOf(window_), nullptr);
  placeCentred();
}

MainWindow::~MainWindow() {
  if (window_ == nullptr) return;
  // The program's loop is over when the window goes this way: no WM_QUIT for anyone.
  quitOnDestroy_ = false;
  DestroyWindow(window_);
}

void MainWindow::show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

HWND MainWindow::control(std::wstring_view name) const {
  const auto found = controls_.find(name);
  return found != controls_.end() ? found->second : nullptr;
}

bool MainWindow::preTranslate(MSG& message) {
  if (window_ == nullptr || !isFocusNavigationKey(window_, message)) return false;
  moveFocus(window_, GetKeyState(VK_SHIFT) < 0);
  return true;
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      // The background drags the window as the title bar does.
      const LRESULT hit = DefWindowProcW(window_, message, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_COMMAND:
      if (!shutDown_ && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        buttonClicked(LOWORD(wParam));
      }
      return 0;
    case WM_NOTIFY:
      return notified(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_TIMER:
      if (!shutDown_ && timer_ != nullptr && wParam == timer_->id()) app_.timerElapsed();
      return 0;
    case WM_HOTKEY:
      return hotkeyWindow_.hotkeyPressed(wParam, lParam);
    case WM_CTLCOLORSTATIC:
      if (link_ != nullptr && reinterpret_cast<HWND>(lParam) == link_->handle()) {
        const auto context = reinterpret_cast<HDC>(wParam);
        SetTextColor(context, kHyperlinkColour);
        SetBkColor(context, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_ACTIVATE:
      activated(wParam);
      return 0;
    case WM_DPICHANGED:
      fitFrameToDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      // The Application decides (it saves the table first); a playback in progress stops.
      if (shutDown_ || app_.closeRequested()) {
        wait_.stop();
        shutDown();
        DestroyWindow(window_);
      }
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends and the process with it, without WM_CLOSE: the table is saved now.
      if (wParam != FALSE && !shutDown_) {
        app_.closeRequested();
        wait_.stop();
        shutDown();
      }
      return 0;
    case WM_DESTROY:
      shutDown();
      hotkeyWindow_.attach(nullptr);
      if (quitOnDestroy_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND window = std::exchange(window_, nullptr);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::buttonClicked(int id) {
  switch (id) {
    case kApplyButtonId:
      app_.applyHotkeyList();
      break;
    case kRemoveButtonId:
      app_.removeAllHotkeys();
      break;
    case kRecordOnButtonId:
      app_.startRecording();
      break;
    case kRecordOffButtonId:
      app_.stopRecording();
      break;
    case kAddRowsButtonId:
      app_.addRecordedRows();
      break;
    default:
      break;
  }
}

LRESULT MainWindow::notified(const NMHDR& header) {
  if (table_ == nullptr || header.hwndFrom != table_->handle()) return 0;
  if (table_->handleNotify(header)) return 0;
  // A right click on a row or below the rows; one on the header comes from the header control.
  if (header.code == NM_RCLICK && !shutDown_) app_.listRightClicked();
  return 0;
}

// As a dialog does: the control that had the focus gets it back when the window is active again
// (none: the window itself); the first control gets it at the first activation.
void MainWindow::activated(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    savedFocus_ = focus != nullptr && IsChild(window_, focus) != FALSE ? focus : nullptr;
    return;
  }
  if (HIWORD(state) != 0) return;  // minimized
  HWND target = savedFocus_;
  if (target == nullptr || IsWindow(target) == FALSE || IsWindowVisible(target) == FALSE) {
    target = activatedBefore_ ? window_ : firstTabStop(window_);
  }
  activatedBefore_ = true;
  SetFocus(target != nullptr ? target : window_);
}

void MainWindow::openPictureWindow() {
  PictureWindow picture(window_, fonts_);
  picture.runModal();
}

void MainWindow::placeCentred() {
  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  RECT frame{};
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, (workArea.left + workArea.right - width) / 2,
               (workArea.top + workArea.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The client area keeps its pixels at every DPI; only the frame follows the monitor's scale.
void MainWindow::fitFrameToDpi(UINT dpi, const RECT* suggested) {
  const SIZE outer = outerSizeFor(kClientWidth, kClientHeight, kStyle, 0, dpi);
  if (suggested != nullptr) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::shutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  app_.mainWindowDestroyed();
  for (Win32HotkeyBox* box : {hotkeyBox1_.get(), hotkeyBox2_.get()}) {
    if (box != nullptr) box->setProcedure(nullptr);
  }
  for (const auto& keys : editorKeys_) keys->disconnect();
  if (link_ != nullptr) link_->disconnect();
  if (timer_ != nullptr) timer_->setPeriod(0);
}

}  // namespace quintrel::win32
