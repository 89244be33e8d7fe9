// Dialogs that answer by script and remember every box they were asked to show.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace quintrel {

class RecordingDialogs final : public Dialogs {
 public:
  struct Box {
    std::string text;
    std::string title;
    std::string acceptText;  // empty for a message with an OK button
    std::string rejectText;
    MessageIcon icon = MessageIcon::None;
  };

  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    boxes.push_back({std::string(text), std::string(title), {}, {}, icon});
  }
  bool ask(std::string_view text, std::string_view title, std::string_view acceptText,
           std::string_view rejectText) override {
    boxes.push_back({std::string(text), std::string(title), std::string(acceptText),
                     std::string(rejectText), MessageIcon::None});
    return answer;
  }

  std::vector<Box> boxes;
  bool answer = false;  // what ask() answers
};

}  // namespace quintrel
