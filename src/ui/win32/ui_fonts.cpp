#include "ui/win32/ui_fonts.h"

namespace quintrel::win32 {

UiFonts::~UiFonts() {
  for (const auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT UiFonts::get(int height, bool underline) {
  const auto key = std::make_pair(height, underline);
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                           GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, kUiFontFace);
  if (font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, font);
  return font;
}

}  // namespace quintrel::win32
