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

#include "app/list_file_keeper.h"
#include "platform/dialogs.h"
#include "platform/hotkey_window.h"
#include "platform/input_hooks.h"
#include "platform/list_view.h"
#include "platform/message_wait.h"
#include "platform/multiline_text_box.h"
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

  // "应用热键列表", and the timer "时钟1": every distinct hotkey text of the table becomes a
  // system-wide hotkey that plays its rows.
  void applyHotkeyList();
  // "卸载所有热键": every hotkey of the table is taken away.
  void removeAllHotkeys();

  // "鼠标记录开", "鼠标记录关", "添加到列表": recording clicks anywhere into "编辑框2", and turning
  // the recorded lines into rows.
  void startRecording();
  void stopRecording();
  void addRecordedRows();

  // The user asked to close the main window: save the table. True when the window may close.
  bool closeRequested();

  const ListFileKeeper& listFile() const { return listFile_; }
  const HotkeyGroups& hotkeyGroups() const { return hotkeyGroups_; }
  const HotkeyRegistry& hotkeyRegistry() const { return registry_; }

 private:
  ListFileKeeper listFile_;
  // The process-wide objects, in the order they are made (and released).
  KeyedTable groupsByText_;
  HotkeyGroups hotkeyGroups_;
  InputHooks& inputHooks_;
  MouseHook mouseHook_;
  HotkeyRegistry registry_;

  // The main window's parts and the player of its hotkeys, from its creation on.
  std::unique_ptr<MainWindowParts> mainWindow_;
  std::unique_ptr<ClickPlayer> player_;
  std::unique_ptr<ClickRecorder> recorder_;
};

}  // namespace quintrel
