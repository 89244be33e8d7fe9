// The program's code page 936 texts on the W functions of the Windows user interface.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quintrel::win32 {

// Code page 936 bytes as UTF-16 (a bad byte shows as U+FFFD).
std::wstring widen(std::string_view cp936);
// UTF-16 as code page 936 bytes (a character without a code page 936 form becomes "?").
std::string narrow(std::wstring_view wide);

// A window's whole text (a control's caption or contents).
std::wstring windowText(HWND window);
std::string windowTextCp936(HWND window);
void setWindowTextCp936(HWND window, std::string_view cp936);

}  // namespace quintrel::win32
