// The in-place editors over Windows controls: "编辑框1" and "热键框2" are edit boxes, "组合框1" an
// editable drop-down combo box. Embedded, they become children of the list view, so the cell
// rectangles the list view reports place them exactly over a cell.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/combo_editor_control.h"
#include "platform/editor_control.h"

namespace quintrel::win32 {

class Win32EditEditor final : public EditorControl {
 public:
  explicit Win32EditEditor(HWND edit) : edit_(edit) {}

  void embedIn(ListViewCells& listView) override;
  void place(ClientRect rect) override;
  void show() override { ShowWindow(edit_, SW_SHOWNORMAL); }
  void hide() override { ShowWindow(edit_, SW_HIDE); }
  void takeFocus() override { SetFocus(edit_); }
  std::string text() const override;
  void setText(std::string_view text) override;
  void selectAllText() override { SendMessageW(edit_, EM_SETSEL, 0, -1); }

 private:
  HWND edit_;
};

class Win32ComboEditor final : public ComboEditorControl {
 public:
  // combo: with the font it shows its text in, and the height of selection field that the font
  // needs, which the box is given when it is created.
  explicit Win32ComboEditor(HWND combo);

  void embedIn(ListViewCells& listView) override;
  // The selection field takes rect, or more height where the text needs it (a cell may be lower
  // than the field's text); the list drops below it.
  void place(ClientRect rect) override;
  void show() override { ShowWindow(combo_, SW_SHOWNORMAL); }
  void hide() override;
  void takeFocus() override { SetFocus(combo_); }
  std::string text() const override;
  void setText(std::string_view text) override;
  void selectAllText() override;
  void selectItem(int index) override;

 private:
  HWND combo_;
  int readableFieldHeight_;
};

// The edit field of an editable combo box, where its keys arrive.
HWND comboEditField(HWND combo);

// Makes the selection field of a drop-down combo box height pixels tall. A drop-down combo box is
// sized with the height of its field and its list together; the window itself keeps the field's
// height while the list is closed.
void setComboFieldHeight(HWND combo, int height);
// The height the list of a drop-down combo box needs to show all its items.
int comboListHeight(HWND combo);

// The key-pressed event of an in-place editor, and its guard against the characters a cell cannot
// hold. Subclasses window (with this object as the reference data): each key going down reaches
// keyPressed before the control; "|", CR and LF typed are dropped, since the list file gives them
// meanings of their own. Tab and Shift + Tab never arrive: the window takes them first.
class EditorKeyEvents {
 public:
  EditorKeyEvents(HWND window, std::function<void(int virtualKey)> keyPressed);
  ~EditorKeyEvents();
  EditorKeyEvents(const EditorKeyEvents&) = delete;
  EditorKeyEvents& operator=(const EditorKeyEvents&) = delete;

  // Stops the event; the characters stay guarded.
  void disconnect() { keyPressed_ = nullptr; }

 private:
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  HWND window_;
  std::function<void(int)> keyPressed_;
};

}  // namespace quintrel::win32
