// A control that edits a cell in place: an edit box, a hotkey box or a combo box laid over the
// cell while the cell is being edited. Texts are code page 936 bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/list_view_cells.h"

namespace quintrel {

class EditorControl {
 public:
  EditorControl() = default;
  EditorControl(const EditorControl&) = delete;
  EditorControl& operator=(const EditorControl&) = delete;
  virtual ~EditorControl() = default;

  // Makes the control a child of the list view, so that cell rectangles place it.
  virtual void embedIn(ListViewCells& listView) = 0;
  // Moves and sizes the control to exactly rect and shows it; its stacking order stays.
  virtual void place(ClientRect rect) = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  // Gives the control the keyboard focus; the focus change is delivered before this returns.
  virtual void takeFocus() = 0;
  // The text the control shows (a combo box: the text of its edit field).
  virtual std::string text() const = 0;
  virtual void setText(std::string_view text) = 0;
  // Selects the whole text, so that typing replaces it.
  virtual void selectAllText() = 0;
};

}  // namespace quintrel
