// The program's process-wide objects and the work done when the main window is created, when its
// controls are used and when it closes, the same on every desktop.
//
// Start-up order: the process-wide objects are made in a fixed order when the Application is
// constructed (the cell editor, the entry boxes' remembered texts, the keyed table, the hotkey
// groups, the mouse hook, as each of them joins the program); the exit routine releases them in
// the same order when it is destroyed, after the main window is gone. The front end constructs the
// Application before it creates the main window and destroys it after its event loop has ended.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "app/list_file_keeper.h"
#include "editing/cell_editor.h"
#include "editing/row_commands.h"
#include "hotkeytext/hotkey_entry_box.h"
#include "platform/combo_editor_control.h"
#include "platform/context_menu.h"
#include "platform/dialogs.h"
#include "platform/editor_control.h"
#include "platform/hotkey_box_control.h"
#include "platform/hotkey_window.h"
#include "platform/input_hooks.h"
#include "platform/list_view.h"
#include "platform/list_view_cells.h"
#include "platform/message_wait.h"
#include "platform/multiline_text_box.h"
#include "platform/period_timer.h"
#include "platform/pointer.h"
#include "playback/click_player.h"
#include "playback/hotkey_groups.h"
#include "playback/hotkey_registry.h"
#include "playback/keyedtable/keyed_table.h"
#include "recording/click_recorder.h"
#include "recording/mouse_hook.h"

namespace quintrel {

// What the main window offers the program's work, once it exists.
struct MainWindowParts {
  ListView& table;              // "超级列表框1"
  HotkeyWindow& window;         // the window that owns the hotkeys
  Pointer& pointer;             // for playing clicks
  MessageWait& wait;            // the pause between clicks
  Dialogs& dialogs;             // message boxes
  MultiLineTextBox& recordBox;  // "编辑框2", where recorded clicks go
  WindowHandle handle;          // the main window, as the system's hooks name it

  // In-place editing of the table and the entry boxes.
  ListViewCells& cells;                        // "超级列表框1", as the cell editor sees it
  std::vector<HotkeyBoxControl*> hotkeyBoxes;  // the window's edit boxes, in form order
  HotkeyBoxControl& hotkeyCellBox;             // "热键框2" as an entry box: it edits cells only
  EditorControl& numberEditor;                 // "编辑框1", for the "x" and "y" cells
  EditorControl& hotkeyEditor;                 // "热键框2", for the "热键" cells
  ComboEditorControl& kindEditor;              // "组合框1", for the "类型" cells
  ContextMenu& rowMenu;                        // "右键菜单", popped up over the list
  PeriodTimer& timer;                          // "时钟1"
};

class Application {
 public:
  // inputHooks: the system's hooks, for the mouse hook; it outlives the Application.
  Application(std::filesystem::path listFile, InputHooks& inputHooks);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  // The main window and all its controls exist: prepare them, then fill the table from the list
  // file. Runs before the user can act on the window.
  void mainWindowCreated(const MainWindowParts& parts);

  // The main window is about to go: nothing of the program may reach its parts any more.
  void mainWindowDestroyed();

  // "应用热键列表": every distinct hotkey text of the table becomes a system-wide hotkey that
  // plays its rows.
  void applyHotkeyList();
  // "时钟1" elapsed: the table is applied again, once.
  void timerElapsed();
  // "卸载所有热键": every hotkey of the table is taken away.
  void removeAllHotkeys();

  // "鼠标记录开", "鼠标记录关", "添加到列表": recording clicks anywhere into "编辑框2", and turning
  // the recorded lines into rows.
  void startRecording();
  void stopRecording();
  void addRecordedRows();

  // A key or focus message for one of the hotkey entry boxes, before the box handles it itself.
  // True when the box must not handle it.
  bool hotkeyBoxMessage(HotkeyBoxControl& box, unsigned message, int keyCode);
  // A key pressed in one of the in-place editors, before the editor handles it itself.
  void editorKeyPressed(int keyCode);
  // The right click in the list, on a row or below them.
  void listRightClicked();

  // The user asked to close the main window: save the table. True when the window may close.
  bool closeRequested();

  const ListFileKeeper& listFile() const { return listFile_; }
  const HotkeyGroups& hotkeyGroups() const { return hotkeyGroups_; }
  const HotkeyRegistry& hotkeyRegistry() const { return registry_; }
  const CellEditor& cellEditor() const { return cellEditor_; }
  const HotkeyEntryBoxes& hotkeyEntryBoxes() const { return entryBoxes_; }

 private:
  ListFileKeeper listFile_;
  // The process-wide objects, in the order they are made (and released).
  CellEditor cellEditor_;
  HotkeyEntryBoxes entryBoxes_;
  KeyedTable groupsByText_;
  HotkeyGroups hotkeyGroups_;
  InputHooks& inputHooks_;
  MouseHook mouseHook_;
  HotkeyRegistry registry_;

  // The main window's parts and the player of its hotkeys, from its creation on.
  std::unique_ptr<MainWindowParts> mainWindow_;
  std::unique_ptr<ClickPlayer> player_;
  std::unique_ptr<ClickRecorder> recorder_;
  std::unique_ptr<RowCommands> rowCommands_;
};

}  // namespace quintrel
