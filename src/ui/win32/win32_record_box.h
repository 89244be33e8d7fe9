// The recording box "编辑框2": a multi-line edit box that the program appends to while the user
// may be editing it too. Edit boxes end lines with "\r\n" themselves.
#pragma once

#include <windows.h>

#include "platform/multiline_text_box.h"

namespace quintrel::win32 {

class Win32RecordBox final : public MultiLineTextBox {
 public:
  explicit Win32RecordBox(HWND edit) : edit_(edit) {}

  std::string text() const override;
  void moveCaretToEnd() override;
  void scrollCaretIntoView() override { SendMessageW(edit_, EM_SCROLLCARET, 0, 0); }
  void replaceSelection(std::string_view text) override;

 private:
  HWND edit_;
};

}  // namespace quintrel::win32
