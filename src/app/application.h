// The program's process-wide objects and the work done when the main window is created and when
// it closes, the same on every desktop.
//
// Start-up order: the process-wide objects are made in a fixed order when the Application is
// constructed (the cell editor, the entry boxes' remembered texts, the keyed table, the hotkey
// groups, the mouse hook, as each of them joins the program); the exit routine releases them in
// the same order when it is destroyed, after the main window is gone. The front end constructs the
// Application before it creates the main window and destroys it after its event loop has ended.
#pragma once

#include <filesystem>

#include "app/list_file_keeper.h"
#include "platform/dialogs.h"
#include "platform/list_view.h"

namespace quintrel {

class Application {
 public:
  explicit Application(std::filesystem::path listFile);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  // The main window and all its controls exist: prepare them, then fill the table from the list
  // file. Runs before the user can act on the window.
  void mainWindowCreated(ListView& table);

  // The user asked to close the main window: save the table. True when the window may close.
  bool closeRequested(const ListView& table, Dialogs& dialogs);

  const ListFileKeeper& listFile() const { return listFile_; }

 private:
  ListFileKeeper listFile_;
};

}  // namespace quintrel
