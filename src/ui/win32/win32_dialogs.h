// Message boxes: MessageBoxW without an owner, task-modal, so every window of the program waits
// for the answer. A question with two answers of its own is a task dialog (comctl32 6) with those
// two buttons, over the owner's window that is in use (the owner, or a modal window of its); where
// the system has no task dialogs, a task-modal box with OK and Cancel that says which is which.
#pragma once

#include <windows.h>

#include "platform/dialogs.h"

namespace quintrel::win32 {

class Win32Dialogs final : public Dialogs {
 public:
  // owner: the window a question belongs to (the main window); it takes no input meanwhile.
  void setOwner(HWND owner) { owner_ = owner; }

  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool ask(std::string_view text, std::string_view title, std::string_view acceptText,
           std::string_view rejectText) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace quintrel::win32
