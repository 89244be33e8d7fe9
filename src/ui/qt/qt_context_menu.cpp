#include "ui/qt/qt_context_menu.h"

#include <QAction>

#include "ui/qt/cp936_qstring.h"

namespace quintrel::qt {

int QtContextMenu::popUp(ScreenPoint topLeft, const std::vector<std::string>& items) {
  menu_.clear();
  std::vector<QAction*> actions;
  for (const std::string& item : items) {
    QAction* action = menu_.addAction(fromCp936(item));
    action->setObjectName(action->text());
    actions.push_back(action);
  }
  // A nested event loop until the menu closes; either mouse button chooses an item.
  const QAction* chosen = menu_.exec(QPoint(topLeft.x, topLeft.y));
  for (std::size_t index = 0; index < actions.size(); ++index) {
    if (actions[index] == chosen) return static_cast<int>(index);
  }
  return -1;
}

}  // namespace quintrel::qt
