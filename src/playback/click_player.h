// ClickPlayer: one press of a registered hotkey becomes clicks at the positions of its rows.
//
// For each row of the hotkey's group, in table order: read x, y and the click kind from the table
// as they are now, move the cursor there, click, put the cursor back at once and wait 200 ms while
// the program keeps handling events. A row whose kind is no click kind stops the group with the
// message "类型错误"; the clicks already made stand.
//
// Waiting handles events, so a further press, an apply or an edit may run inside a playback. The
// player copies its group before it starts, so an apply underneath does not disturb it, and it
// bounds how deep playbacks nest: a held hotkey repeats, and each repeat inside a wait would
// otherwise start one more playback, without end.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/hotkey_window.h"
#include "platform/list_view.h"
#include "platform/message_wait.h"
#include "platform/pointer.h"
#include "playback/hotkey_groups.h"

namespace quintrel {

namespace texts {
// 类型错误 (wrong click kind)
inline constexpr std::string_view kWrongClickKind = "\xC0\xE0\xD0\xCD\xB4\xED\xCE\xF3";
}  // namespace texts

class ClickPlayer final : public WindowProcedure {
 public:
  // Presses that arrive while this many playbacks run are ignored. Deep enough for a second or
  // third press in quick succession to play as the user meant, shallow enough that holding a key
  // down plays a few groups and then stops.
  static constexpr int kMaxNestedPlaybacks = 4;
  static constexpr int kPauseMilliseconds = 200;

  ClickPlayer(const ListView& table, const HotkeyGroups& groups, Pointer& pointer,
              MessageWait& wait, Dialogs& dialogs);

  // Plays the group of hotkey id; an id without a group plays nothing.
  void playHotkeyGroup(int id);
  // One click of button at position, the cursor put back where it was right after.
  void clickAt(ScreenPoint position, MouseButton button);

  // Playbacks running now, the outer ones waiting for the inner ones.
  int runningPlaybacks() const { return running_; }

  // The handler of every hotkey: WM_HOTKEY plays the group of wParam.
  std::intptr_t handleMessage(HotkeyWindow& window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

 private:
  const ListView& table_;
  const HotkeyGroups& groups_;
  Pointer& pointer_;
  MessageWait& wait_;
  Dialogs& dialogs_;
  int running_ = 0;
};

}  // namespace quintrel
