// Edits a cell of the list view in place: a double-click on a cell lays the editor controls
// registered for it exactly over the cell, shows and fills them; when the list view gets the
// keyboard focus back (Enter in the editor, a click into the list, scrolling), the editors' texts
// are written into the cell and the editors hidden. The editor knows nothing of the table's
// columns: each registration brings its own row and column filter and its own callbacks.
//
// An edit is never abandoned: the only way out of editing is the list view's regaining the focus.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/editor_control.h"
#include "platform/list_view_cells.h"
#include "platform/pointer.h"

namespace quintrel {

// Fills the editor for the cell being opened; runs after the editor is placed, focused and shown.
using ShowEditorCallback = std::function<void(EditorControl& editor, CellAddress cell)>;
// The text to store in the cell being committed; runs before the text is stored, so work that
// must see the new cell text has to run later.
using CommitEditorCallback = std::function<std::string(EditorControl& editor, CellAddress cell)>;

class CellEditor final : public ListViewMessageHandler {
 public:
  // Filter value that matches every row or every column.
  static constexpr int kAny = -1;

  CellEditor() = default;
  CellEditor(const CellEditor&) = delete;
  CellEditor& operator=(const CellEditor&) = delete;
  // Gives the list view its own message handling back, so no message reaches a released editor.
  ~CellEditor() override { detach(); }

  // Routes listView's messages here. An earlier attachment is undone first and its registrations
  // dropped: editors must be registered again after every attach. The cursor is read from pointer
  // when a double-click arrives, not taken from the message.
  void attach(ListViewCells& listView, Pointer& pointer);
  // Gives the list view its own handling back, drops every registration and ends any edit
  // without storing it. Does nothing before the first attach.
  void detach();
  // Registers editor for the cells that match item and column (kAny matches all), embeds it in
  // the attached list view and hides it. False, and nothing registered, when nothing is attached:
  // an editor outside the list view could not be laid over its cells.
  bool addEditor(EditorControl& editor, ShowEditorCallback onShow, CommitEditorCallback onCommit,
                 int item = kAny, int column = kAny);

  // The list view's message procedure: true when the message was consumed and the list view must
  // not handle it itself. Double-clicks open editors, focus commits, scrolling and the wheel
  // commit before the list moves.
  bool handleListViewMessage(unsigned message) override;

  // The cell being edited, or the result of the last hit test that found no cell.
  CellAddress currentCell() const { return current_; }
  bool isEditing() const { return current_.isCell(); }

 private:
  struct EditorBinding {
    EditorControl* editor;
    int item;
    int column;
    ShowEditorCallback onShow;
    CommitEditorCallback onCommit;
    bool matches(CellAddress cell) const {
      return (item == kAny || item == cell.item) && (column == kAny || column == cell.column);
    }
  };

  bool openEditorsAtCursor();
  void commitEdit();

  Pointer* pointer_ = nullptr;
  ListViewCells* listView_ = nullptr;
  std::vector<EditorBinding> bindings_;
  CellAddress current_;
};

}  // namespace quintrel
