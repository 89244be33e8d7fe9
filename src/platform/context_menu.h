// A pop-up menu shown at a screen position until the user chooses an item or dismisses it.
#pragma once

#include <string>
#include <vector>

#include "platform/pointer.h"

namespace quintrel {

class ContextMenu {
 public:
  ContextMenu() = default;
  ContextMenu(const ContextMenu&) = delete;
  ContextMenu& operator=(const ContextMenu&) = delete;
  virtual ~ContextMenu() = default;

  // Shows items (code page 936) with the menu's top left corner at topLeft, waits for the
  // user and returns the index of the chosen item; -1 when the menu was closed without a choice.
  // Either mouse button chooses.
  virtual int popUp(ScreenPoint topLeft, const std::vector<std::string>& items) = 0;
};

}  // namespace quintrel
