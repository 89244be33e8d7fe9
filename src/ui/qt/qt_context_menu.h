// The pop-up menu "右键菜单": the window's hidden menu, filled with the items asked for and shown
// at a screen position until the user chooses or dismisses it.
#pragma once

#include <QMenu>

#include "platform/context_menu.h"

namespace quintrel::qt {

class QtContextMenu final : public ContextMenu {
 public:
  explicit QtContextMenu(QMenu& menu) : menu_(menu) {}

  int popUp(ScreenPoint topLeft, const std::vector<std::string>& items) override;

 private:
  QMenu& menu_;
};

}  // namespace quintrel::qt
