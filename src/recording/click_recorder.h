// ClickRecorder: while recording is on, every left or right click made anywhere on the desktop
// becomes one line in the recording box "编辑框2"; "添加到列表" turns those lines into rows.
//
// A line is the click kind, the cursor's x and y, joined by the full-width comma "，" and ended by
// "\r\n" (左键单击，640，480). The click kinds are the table's own texts, so a line splits at "，"
// into exactly the type, x and y of a row. The lines live only in the box, where the user may edit
// or delete them before adding.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/input_hooks.h"
#include "platform/list_view.h"
#include "platform/multiline_text_box.h"
#include "platform/pointer.h"
#include "recording/mouse_hook.h"

namespace quintrel {

namespace texts {
// 已经开启[记录坐标]功能!鼠标钩子已经开启!自动记录你的鼠标点击操作!
inline constexpr std::string_view kRecordingOn =
    "\xD2\xD1\xBE\xAD\xBF\xAA\xC6\xF4[\xBC\xC7\xC2\xBC\xD7\xF8\xB1\xEA]\xB9\xA6\xC4\xDC!\xCA\xF3"
    "\xB1\xEA\xB9\xB3\xD7\xD3\xD2\xD1\xBE\xAD\xBF\xAA\xC6\xF4!\xD7\xD4\xB6\xAF\xBC\xC7\xC2\xBC\xC4"
    "\xE3\xB5\xC4\xCA\xF3\xB1\xEA\xB5\xE3\xBB\xF7\xB2\xD9\xD7\xF7!";
// 已经关闭[记录坐标]功能!鼠标钩子已经关闭!注意:编辑框的最后一行是点击此按钮的记录,请自己删除!
inline constexpr std::string_view kRecordingOff =
    "\xD2\xD1\xBE\xAD\xB9\xD8\xB1\xD5[\xBC\xC7\xC2\xBC\xD7\xF8\xB1\xEA]\xB9\xA6\xC4\xDC!\xCA\xF3"
    "\xB1\xEA\xB9\xB3\xD7\xD3\xD2\xD1\xBE\xAD\xB9\xD8\xB1\xD5!\xD7\xA2\xD2\xE2:\xB1\xE0\xBC\xAD"
    "\xBF\xF2\xB5\xC4\xD7\xEE\xBA\xF3\xD2\xBB\xD0\xD0\xCA\xC7\xB5\xE3\xBB\xF7\xB4\xCB\xB0\xB4\xC5"
    "\xA5\xB5\xC4\xBC\xC7\xC2\xBC,\xC7\xEB\xD7\xD4\xBC\xBA\xC9\xBE\xB3\xFD!";
}  // namespace texts

// The separator of a recorded line: the full-width comma "，".
inline constexpr std::string_view kRecordSeparator = "\xA3\xAC";
inline constexpr std::string_view kRecordLineEnd = "\r\n";

class ClickRecorder {
 public:
  // All parts must outlive the recorder; mainWindow is the window the hook is installed for.
  ClickRecorder(MouseHook& hook, WindowHandle mainWindow, Pointer& pointer,
                MultiLineTextBox& recordBox, ListView& table, Dialogs& dialogs);
  ClickRecorder(const ClickRecorder&) = delete;
  ClickRecorder& operator=(const ClickRecorder&) = delete;
  // Stops a recording that is on, so the hook never calls a released recorder.
  ~ClickRecorder();

  // "鼠标记录开": tells the user, then installs the desktop-wide mouse hook once the box is
  // closed, so neither the button's click nor the click that closes the box is recorded.
  void startRecording();
  // "鼠标记录关": removes every hook of the mouse hook, then tells the user that the last line is
  // this button's own click.
  void stopRecording();

  // The hook callback: a released left or right button appends a line with the cursor position.
  // Always 0: every click reaches its target as usual.
  std::int32_t recordClick(std::int32_t button, std::int32_t action, std::int32_t third);

  // "添加到列表": every line of the box that splits into exactly three fields becomes a row at
  // the end of the table; the box keeps its text.
  void addRecordedRows();

 private:
  void appendToRecordBox(std::string_view text);

  MouseHook& hook_;
  WindowHandle mainWindow_;
  Pointer& pointer_;
  MultiLineTextBox& recordBox_;
  ListView& table_;
  Dialogs& dialogs_;
  bool recording_ = false;  // only so that release can stop the hook; the buttons ignore it
};

}  // namespace quintrel
