#include "editing/cell_editor.h"

#include <utility>

#include "editing/cell_text.h"
#include "platform/window_messages.h"

namespace quintrel {

using namespace msg;

void CellEditor::attach(ListViewCells& listView, Pointer& pointer) {
  detach();
  listView_ = &listView;
  pointer_ = &pointer;
  listView.setMessageHandler(this);
}

void CellEditor::detach() {
  if (listView_ != nullptr) listView_->setMessageHandler(nullptr);
  listView_ = nullptr;
  pointer_ = nullptr;
  bindings_.clear();
  current_ = {};
}

bool CellEditor::addEditor(EditorControl& editor, ShowEditorCallback onShow,
                           CommitEditorCallback onCommit, int item, int column) {
  if (listView_ == nullptr) return false;
  bindings_.push_back({&editor, item, column, std::move(onShow), std::move(onCommit)});
  editor.embedIn(*listView_);
  editor.hide();
  return true;
}

bool CellEditor::handleListViewMessage(unsigned message) {
  if (listView_ == nullptr) return false;
  switch (message) {
    case kWmLButtonDblClk:
      return openEditorsAtCursor();
    case kWmHScroll:
    case kWmVScroll:
    case kWmMouseWheel:
      // An open editor loses the focus here and the edit is stored before the list moves, so
      // the stored text never lands in a cell that has scrolled away under the editor.
      listView_->takeFocus();
      return false;
    case kWmSetFocus:
      commitEdit();
      return false;
    default:
      return false;
  }
}

bool CellEditor::openEditorsAtCursor() {
  // Where the cursor is now decides the cell; the message's own position is not used.
  current_ = listView_->cellAt(listView_->toClient(pointer_->cursorPosition()));
  if (!current_.isCell()) return false;
  const ClientRect rect = listView_->cellRect(current_);
  bool opened = false;
  // By index: a callback may register further editors while we walk the list.
  for (std::size_t i = 0; i < bindings_.size(); ++i) {
    if (!bindings_[i].matches(current_)) continue;
    EditorControl& editor = *bindings_[i].editor;
    editor.place(rect);
    editor.takeFocus();
    editor.show();
    opened = true;
    if (bindings_[i].onShow) bindings_[i].onShow(editor, current_);
  }
  if (!opened) current_ = {};
  return opened;
}

void CellEditor::commitEdit() {
  if (!current_.isCell()) return;
  // Leave the editing state before any callback runs: a focus change inside a callback must not
  // store the same edit twice.
  const CellAddress cell = std::exchange(current_, CellAddress{});
  for (std::size_t i = 0; i < bindings_.size(); ++i) {
    if (!bindings_[i].matches(cell)) continue;
    EditorControl& editor = *bindings_[i].editor;
    const std::string text = bindings_[i].onCommit ? bindings_[i].onCommit(editor, cell) : "";
    listView_->setCellText(cell, storableCellText(text));
    editor.hide();
  }
}

}  // namespace quintrel
