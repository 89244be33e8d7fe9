// The hyperlink "超级链接框1": a static text (SS_NOTIFY, so that it sees the mouse) shown blue and
// underlined by its parent, with the hand cursor; pressing the left button over it runs pressed at
// once, before the button is released. It has no link target.
#pragma once

#include <windows.h>

#include <functional>

namespace quintrel::win32 {

inline constexpr COLORREF kHyperlinkColour = RGB(0x06, 0x45, 0xAD);

class Hyperlink {
 public:
  Hyperlink(HWND label, std::function<void()> pressed);
  ~Hyperlink();
  Hyperlink(const Hyperlink&) = delete;
  Hyperlink& operator=(const Hyperlink&) = delete;

  HWND handle() const { return label_; }
  void disconnect() { pressed_ = nullptr; }

 private:
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  HWND label_;
  std::function<void()> pressed_;
};

}  // namespace quintrel::win32
