// Message boxes, as the core asks the user something or tells them something. Texts are code
// page 936 bytes; a front end converts them. Each call returns when the user has answered; the
// program's windows take no input meanwhile.
#pragma once

#include <string_view>

namespace quintrel {

enum class MessageIcon { None, Error };

class Dialogs {
 public:
  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;
  virtual ~Dialogs() = default;

  // Shows text under title with an OK button.
  virtual void showMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // Asks a question with two answers; true when the user chose acceptText. Closing the box
  // (Esc, the close button) answers with rejectText, the safe answer.
  virtual bool ask(std::string_view text, std::string_view title, std::string_view acceptText,
                   std::string_view rejectText) = 0;
};

}  // namespace quintrel
