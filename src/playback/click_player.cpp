#include "playback/click_player.h"

#include <string>
#include <string_view>

#include "app/app_texts.h"
#include "table/hotkey_columns.h"
#include "text/numbers.h"
#include "text/split.h"

namespace quintrel {
namespace {

// Counts a playback as running for as long as it is in scope.
class RunningPlayback {
 public:
  explicit RunningPlayback(int& running) : running_(running) { ++running_; }
  ~RunningPlayback() { --running_; }
  RunningPlayback(const RunningPlayback&) = delete;
  RunningPlayback& operator=(const RunningPlayback&) = delete;

 private:
  int& running_;
};

// The button of a click kind, compared byte for byte; false for any other text.
bool buttonOfKind(std::string_view kind, MouseButton& button) {
  if (kind == kLeftClickKind) {
    button = MouseButton::Left;
    return true;
  }
  if (kind == kRightClickKind) {
    button = MouseButton::Right;
    return true;
  }
  return false;
}

}  // namespace

ClickPlayer::ClickPlayer(const ListView& table, const HotkeyGroups& groups, Pointer& pointer,
                         MessageWait& wait, Dialogs& dialogs)
    : table_(table), groups_(groups), pointer_(pointer), wait_(wait), dialogs_(dialogs) {}

void ClickPlayer::playHotkeyGroup(int id) {
  if (id < 1 || static_cast<std::size_t>(id) > groups_.size()) return;
  if (running_ >= kMaxNestedPlaybacks) return;
  const RunningPlayback running(running_);

  // An apply inside a wait rebuilds the groups; this playback goes on with the rows it started
  // with.
  const std::string group = groups_[static_cast<std::size_t>(id - 1)];
  for (const std::string_view piece : splitText(group, ",")) {
    const int row = textToInt(piece);
    // Cells are read now, not at apply time: an edited position or kind counts at the next press.
    const ScreenPoint position{textToInt(table_.GetCaption(row, kColumnX)),
                               textToInt(table_.GetCaption(row, kColumnY))};
    MouseButton button = MouseButton::Left;
    if (!buttonOfKind(table_.GetCaption(row, kColumnKind), button)) {
      dialogs_.showMessage(texts::kWrongClickKind, texts::kMessageTitle, MessageIcon::Error);
      return;
    }
    clickAt(position, button);
    // Once the program is ending, the rest of the group would click with no pause in between.
    if (!wait_.waitWithMessages(kPauseMilliseconds)) return;
  }
}

void ClickPlayer::clickAt(ScreenPoint position, MouseButton button) {
  const ScreenPoint saved = pointer_.cursorPosition();
  pointer_.setCursorPosition(position);
  pointer_.click(button);
  pointer_.setCursorPosition(saved);
}

std::intptr_t ClickPlayer::handleMessage(HotkeyWindow& /*window*/, unsigned message,
                                         std::uintptr_t wParam, std::intptr_t /*lParam*/) {
  // Ids beyond any group (and wParam values beyond int) play nothing.
  if (message == kWmHotkey && wParam <= groups_.size()) playHotkeyGroup(static_cast<int>(wParam));
  return 0;
}

}  // namespace quintrel
