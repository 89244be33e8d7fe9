// The in-place editors over Qt widgets: "编辑框1" and "热键框2" are line edits, "组合框1" an
// editable combo box. Embedded, they become children of the list view's viewport.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <functional>

#include "platform/combo_editor_control.h"
#include "platform/editor_control.h"

namespace quintrel::qt {

class QtLineEditEditor final : public EditorControl {
 public:
  explicit QtLineEditEditor(QLineEdit& box) : box_(box) {}

  void embedIn(ListViewCells& listView) override;
  void place(ClientRect rect) override;
  void show() override { box_.show(); }
  void hide() override { box_.hide(); }
  void takeFocus() override { box_.setFocus(Qt::OtherFocusReason); }
  std::string text() const override;
  void setText(std::string_view text) override;
  void selectAllText() override { box_.selectAll(); }

 private:
  QLineEdit& box_;
};

class QtComboEditor final : public ComboEditorControl {
 public:
  explicit QtComboEditor(QComboBox& box) : box_(box) {}

  void embedIn(ListViewCells& listView) override;
  void place(ClientRect rect) override;
  void show() override { box_.show(); }
  void hide() override;
  void takeFocus() override { box_.setFocus(Qt::OtherFocusReason); }
  std::string text() const override;
  void setText(std::string_view text) override;
  void selectAllText() override;
  void selectItem(int index) override { box_.setCurrentIndex(index); }

 private:
  QComboBox& box_;
};

// The key-pressed event of an editor: handler sees each key going down in the widget before the
// widget does. Tab and Shift + Tab are the
// window's and never reach it.
class KeyPressedEvent final : public QObject {
  Q_OBJECT

 public:
  KeyPressedEvent(QWidget& widget, std::function<void(int virtualKey)> handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(int)> handler_;
};

// Keeps "|", CR and LF out of a line edit as the user types or pastes: the list file gives them
// other meanings, so a cell could not hold them.
void keepSeparatorsOut(QLineEdit& box);

}  // namespace quintrel::qt
