#include "ui/win32/wide_text.h"

#include "platform/win32/win32_text_codec.h"

namespace quintrel::win32 {

std::wstring widen(std::string_view cp936) { return cp936ToWide(cp936).text; }

std::string narrow(std::wstring_view wide) { return wideToCp936(wide).text; }

std::wstring windowText(HWND window) {
  // WM_GETTEXTLENGTH may overstate the length (never understate it), so the text read decides.
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::string windowTextCp936(HWND window) { return narrow(windowText(window)); }

void setWindowTextCp936(HWND window, std::string_view cp936) {
  SetWindowTextW(window, widen(cp936).c_str());
}

}  // namespace quintrel::win32
