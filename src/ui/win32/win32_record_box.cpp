#include "ui/win32/win32_record_box.h"

#include "ui/win32/wide_text.h"

namespace quintrel::win32 {

std::string Win32RecordBox::text() const { return windowTextCp936(edit_); }

void Win32RecordBox::moveCaretToEnd() {
  const int length = GetWindowTextLengthW(edit_);
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(length), length);
}

void Win32RecordBox::replaceSelection(std::string_view text) {
  // FALSE: the program's appends are not the user's to undo.
  SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(widen(text).c_str()));
}

}  // namespace quintrel::win32
