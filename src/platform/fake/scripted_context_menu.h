// A pop-up menu that remembers where and with what it was shown and answers with a set choice.
#pragma once

#include <string>
#include <vector>

#include "platform/context_menu.h"

namespace quintrel {

class ScriptedContextMenu final : public ContextMenu {
 public:
  struct Shown {
    ScreenPoint topLeft;
    std::vector<std::string> items;
  };

  int popUp(ScreenPoint topLeft, const std::vector<std::string>& items) override {
    shown.push_back({topLeft, items});
    return choice;
  }

  std::vector<Shown> shown;
  int choice = -1;  // what the user chooses; -1 closes the menu without a choice
};

}  // namespace quintrel
