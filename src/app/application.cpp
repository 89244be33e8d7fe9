#include "app/application.h"

#include <utility>

#include "app/app_texts.h"
#include "hotkeytext/editor_callbacks.h"
#include "playback/hotkey_list_applier.h"
#include "table/hotkey_columns.h"

namespace quintrel {

Application::Application(std::filesystem::path listFile, InputHooks& inputHooks)
    : listFile_(std::move(listFile)), inputHooks_(inputHooks), mouseHook_(inputHooks) {}

// The exit routine: the hotkeys of the main window ended with the window and its connection to the
// desktop, as the system's registrations end with a window; then the objects go in their order.
Application::~Application() {
  mainWindowDestroyed();
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
  rowCommands_ = std::make_unique<RowCommands>(parts.table, parts.cells, parts.rowMenu,
                                               parts.pointer, [this] { applyHotkeyList(); });

  entryBoxes_.setup(parts.hotkeyBoxes, texts::kHotkeyBoxPrefix, std::string(texts::kPressHotkey),
                    addRowForHotkey(parts.table, parts.hotkeyCellBox));

  cellEditor_.attach(parts.cells, parts.pointer);
  const ShowEditorCallback showText = showCellText(parts.table);
  cellEditor_.addEditor(parts.numberEditor, showText, commitEditorText(), CellEditor::kAny,
                        kColumnX);
  cellEditor_.addEditor(parts.numberEditor, showText, commitEditorText(), CellEditor::kAny,
                        kColumnY);
  cellEditor_.addEditor(parts.hotkeyEditor, showText, commitHotkeyText(parts.timer),
                        CellEditor::kAny, kColumnHotkey);
  cellEditor_.addEditor(parts.kindEditor, showClickKind(parts.table, parts.kindEditor),
                        commitEditorText(), CellEditor::kAny, kColumnKind);

  listFile_.load(parts.table);
}

// The order matters: a recording in progress is stopped, so the hook calls nothing released,
// and the list view gets its own message handling back while it still exists.
void Application::mainWindowDestroyed() {
  recorder_.reset();
  cellEditor_.detach();
  rowCommands_.reset();
  player_.reset();  // plays from the groups, which outlive it
  mainWindow_.reset();
}

void Application::applyHotkeyList() {
  if (!mainWindow_) return;
  quintrel::applyHotkeyList(mainWindow_->table, mainWindow_->window, registry_, groupsByText_,
                            hotkeyGroups_, *player_);
}

void Application::timerElapsed() {
  applyHotkeyList();
  if (mainWindow_) mainWindow_->timer.setPeriod(0);
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

bool Application::hotkeyBoxMessage(HotkeyBoxControl& box, unsigned message, int keyCode) {
  return entryBoxes_.handleBoxMessage(box, message, keyCode);
}

void Application::editorKeyPressed(int keyCode) {
  if (rowCommands_) rowCommands_->commitOnEnter(keyCode);
}

void Application::listRightClicked() {
  if (rowCommands_) rowCommands_->showRowMenu();
}

bool Application::closeRequested() {
  if (!mainWindow_) return true;
  // A cell still being edited is stored as if the list had been clicked: closing the window must
  // not lose what was typed.
  if (cellEditor_.isEditing()) mainWindow_->cells.takeFocus();
  return listFile_.saveOnClose(mainWindow_->table, mainWindow_->dialogs);
}

}  // namespace quintrel
