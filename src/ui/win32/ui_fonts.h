// The fonts of the program's windows: "微软雅黑" of normal weight, GB2312 character set, by
// character height (negative logical height, as the controls are laid out in pixels). Each font
// is made once and deleted with the set, after the windows that use it are gone.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

namespace quintrel::win32 {

// Character heights of the main window's texts.
inline constexpr int kControlFontHeight = -12;
inline constexpr int kNoticeFontHeight = -14;
inline constexpr int kHintFontHeight = -15;

inline constexpr wchar_t kUiFontFace[] = L"微软雅黑";

class UiFonts {
 public:
  UiFonts() = default;
  UiFonts(const UiFonts&) = delete;
  UiFonts& operator=(const UiFonts&) = delete;
  ~UiFonts();

  // The font of height (a negative character height); underlined for the hyperlink.
  HFONT get(int height, bool underline = false);

 private:
  std::map<std::pair<int, bool>, HFONT> fonts_;
};

}  // namespace quintrel::win32
