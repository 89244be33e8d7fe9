#include "ui/qt/qt_editor_controls.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "ui/qt/cp936_qstring.h"
#include "ui/qt/qt_list_view_cells.h"
#include "ui/qt/qt_virtual_keys.h"

namespace quintrel::qt {
namespace {

void embed(QWidget& widget, ListViewCells& listView) {
  // Only the Qt list view offers a viewport to live in.
  if (auto* cells = dynamic_cast<QtListViewCells*>(&listView)) {
    const bool visible = widget.isVisible();
    widget.setParent(&cells->viewport());
    widget.setVisible(visible);
  }
}

void placeOver(QWidget& widget, ClientRect rect) {
  widget.setGeometry(rect.left, rect.top, rect.width(), rect.height());
  widget.raise();
  widget.show();
}

}  // namespace

void QtLineEditEditor::embedIn(ListViewCells& listView) { embed(box_, listView); }
void QtLineEditEditor::place(ClientRect rect) { placeOver(box_, rect); }
std::string QtLineEditEditor::text() const { return toCp936(box_.text()); }
void QtLineEditEditor::setText(std::string_view text) { box_.setText(fromCp936(text)); }

void QtComboEditor::embedIn(ListViewCells& listView) { embed(box_, listView); }
void QtComboEditor::place(ClientRect rect) { placeOver(box_, rect); }
void QtComboEditor::hide() {
  box_.hidePopup();
  box_.hide();
}
std::string QtComboEditor::text() const { return toCp936(box_.currentText()); }
void QtComboEditor::setText(std::string_view text) { box_.setEditText(fromCp936(text)); }
void QtComboEditor::selectAllText() {
  if (QLineEdit* edit = box_.lineEdit()) edit->selectAll();
}

KeyPressedEvent::KeyPressedEvent(QWidget& widget, std::function<void(int)> handler)
    : QObject(&widget), handler_(std::move(handler)) {
  // A combo box takes the keys itself and hands them to its edit field directly, so filtering
  // the combo box sees each key once.
  widget.installEventFilter(this);
}

bool KeyPressedEvent::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (!isFocusNavigationKey(key) && handler_) handler_(virtualKeyOf(key));
  return false;  // the key goes on to the control
}

void keepSeparatorsOut(QLineEdit& box) {
  static const QRegularExpression kNoSeparators(QStringLiteral("[^|\\r\\n]*"));
  box.setValidator(new QRegularExpressionValidator(kNoSeparators, &box));
}

}  // namespace quintrel::qt
