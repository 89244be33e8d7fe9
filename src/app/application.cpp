#include "app/application.h"

#include <utility>

#include "playback/hotkey_list_applier.h"

namespace quintrel {

Application::Application(std::filesystem::path listFile, InputHooks& inputHooks)
    : listFile_(std::move(listFile)), inputHooks_(inputHooks), mouseHook_(inputHooks) {}

// The exit routine: the hotkeys of the main window ended with the window and its connection to the
// desktop, as the system's registrations end with a window; then the objects go in their order.
Application::~Application() {
  recorder_.reset();  // stops a recording, so the hook calls nothing released
  player_.reset();    // plays from the groups below
  groupsByText_.clear();
  hotkeyGroups_.clear();
  mouseHook_.uninstall();
}

void Application::mainWindowCreated(const MainWindowParts& parts) {
  mainWindow_ = std::make_unique<MainWindowParts>(parts);
  player_ = std::make_unique<ClickPlayer>(parts.table, hotkeyGroups_, parts.pointer, parts.wait,
                                          parts.dialogs);
  recorder_ = std::make_unique<ClickRecorder>(mouseHook_, parts.handle, parts.pointer,
                                              parts.recordBox, parts.table, parts.dialogs);
  listFile_.load(parts.table);
}

void Application::applyHotkeyList() {
  if (!mainWindow_) return;
  quintrel::applyHotkeyList(mainWindow_->table, mainWindow_->window, registry_, groupsByText_,
                            hotkeyGroups_, *player_);
}

void Application::removeAllHotkeys() {
  if (mainWindow_) registry_.removeAllHotkeys(mainWindow_->window);
}

void Application::startRecording() {
  if (recorder_) recorder_->startRecording();
}

void Application::stopRecording() {
  // The click on "鼠标记录关" itself is the last one recorded, as the message then says.
  inputHooks_.deliverPending();
  if (recorder_) recorder_->stopRecording();
}

void Application::addRecordedRows() {
  if (recorder_) recorder_->addRecordedRows();
}

bool Application::closeRequested() {
  if (!mainWindow_) return true;
  return listFile_.saveOnClose(mainWindow_->table, mainWindow_->dialogs);
}

}  // namespace quintrel
