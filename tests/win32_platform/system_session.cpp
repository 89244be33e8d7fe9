#include "system_session.h"

#include <chrono>

namespace quintrel::test {
namespace {

constexpr wchar_t kClassName[] = L"QuintrelPortTestWindow";
// Long enough for Wine under load; a test only waits this long when it is about to fail.
constexpr std::chrono::seconds kPatience{10};

bool isLogged(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) ||
         message == WM_TIMER || (message >= WM_APP && message <= 0xBFFF);
}

}  // namespace

TestWindow::TestWindow(Focus focus, RECT area) : focus_(focus) {
  static const ATOM windowClass = [] {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = &TestWindow::procedure;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    description.lpszClassName = kClassName;
    return RegisterClassExW(&description);
  }();
  if (windowClass == 0) return;
  window_ = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"quintrel port test", WS_POPUP, area.left,
                            area.top, area.right - area.left, area.bottom - area.top, nullptr,
                            nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  if (focus == Focus::Take) {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
  } else {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
  }
  UpdateWindow(window_);
  pumpWaiting();
}

TestWindow::~TestWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  pumpWaiting();
}

ScreenPoint TestWindow::center() const {
  RECT area{};
  GetWindowRect(window_, &area);
  return {static_cast<int>((area.left + area.right) / 2),
          static_cast<int>((area.top + area.bottom) / 2)};
}

LRESULT CALLBACK TestWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    if (message == WM_MOUSEACTIVATE && self->focus_ == Focus::Never) return MA_NOACTIVATE;
    if (message == WM_HOTKEY && self->hotkeys != nullptr) {
      return self->hotkeys->hotkeyPressed(wParam, lParam);
    }
    if (isLogged(message)) {
      self->received.push_back({message, wParam, lParam});
      if (self->onMessage) self->onMessage(self->received.back());
      if (message >= WM_APP) return 0;
    }
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void pumpWaiting() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool pumpUntil(const std::function<bool()>& done) {
  const auto giveUp = std::chrono::steady_clock::now() + kPatience;
  for (;;) {
    pumpWaiting();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void sendKeys(const std::vector<KeyStroke>& strokes) {
  std::vector<INPUT> inputs(strokes.size());
  for (std::size_t index = 0; index < strokes.size(); ++index) {
    inputs[index].type = INPUT_KEYBOARD;
    inputs[index].ki.wVk = strokes[index].key;
    inputs[index].ki.wScan = static_cast<WORD>(MapVirtualKeyW(strokes[index].key, MAPVK_VK_TO_VSC));
    inputs[index].ki.dwFlags = strokes[index].up ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace quintrel::test
