#include "ui/win32/win32_dialogs.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/wide_text.h"

namespace quintrel::win32 {
namespace {

using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// comctl32 6, which the program's manifest asks for, has task dialogs; earlier ones do not.
TaskDialogIndirectFunction taskDialogIndirect() {
  HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
  if (comctl32 == nullptr) return nullptr;
  FARPROC found = GetProcAddress(comctl32, "TaskDialogIndirect");
  return reinterpret_cast<TaskDialogIndirectFunction>(reinterpret_cast<void (*)()>(found));
}

// The window of owner's that the user works in: owner, or the modal window it waits for.
HWND windowInUse(HWND owner) {
  if (owner == nullptr || IsWindow(owner) == FALSE) return nullptr;
  HWND popup = GetLastActivePopup(owner);
  return popup != nullptr && IsWindowEnabled(popup) != FALSE && IsWindowVisible(popup) != FALSE
             ? popup
             : owner;
}

}  // namespace

void Win32Dialogs::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  UINT style = MB_OK | MB_TASKMODAL;
  if (icon == MessageIcon::Error) style |= MB_ICONERROR;
  MessageBoxW(nullptr, widen(text).c_str(), widen(title).c_str(), style);
}

bool Win32Dialogs::ask(std::string_view text, std::string_view title, std::string_view acceptText,
                       std::string_view rejectText) {
  const std::wstring wideText = widen(text);
  const std::wstring wideTitle = widen(title);
  const std::wstring accept = widen(acceptText);
  const std::wstring reject = widen(rejectText);
  if (const TaskDialogIndirectFunction show = taskDialogIndirect()) {
    constexpr int kAccept = 100;
    // The safe answer is the cancel button itself, so that Esc and the close button choose it
    // wherever the dialog knows no cancellation without one (Wine's).
    constexpr int kReject = IDCANCEL;
    const TASKDIALOG_BUTTON buttons[] = {{kAccept, accept.c_str()}, {kReject, reject.c_str()}};
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = windowInUse(owner_);
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = wideTitle.c_str();
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszContent = wideText.c_str();
    config.cButtons = 2;
    config.pButtons = buttons;
    config.nDefaultButton = kReject;
    int chosen = 0;
    if (SUCCEEDED(show(&config, &chosen, nullptr, nullptr))) return chosen == kAccept;
  }
  // 确定：<accept>    取消：<reject>
  const std::wstring legend =
      wideText + L"\r\n\r\n" + L"确定：" + accept + L"    " + L"取消：" + reject;
  return MessageBoxW(nullptr, legend.c_str(), wideTitle.c_str(),
                     MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONWARNING | MB_TASKMODAL) == IDOK;
}

}  // namespace quintrel::win32
