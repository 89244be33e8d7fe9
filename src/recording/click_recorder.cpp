#include "recording/click_recorder.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/app_texts.h"
#include "recording/hook_codes.h"
#include "table/hotkey_columns.h"
#include "text/cp936.h"
#include "text/numbers.h"
#include "text/split.h"

namespace quintrel {
namespace {

// True when text holds a character that the list file reads as a field or line end ("|", CR,
// LF): stored in a cell, it would shift that row's cells when the file is read back.
bool breaksListFile(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); pos += charLengthAt(text, pos)) {
    const char c = text[pos];
    if (c == '|' || c == '\r' || c == '\n') return true;
  }
  return false;
}

}  // namespace

ClickRecorder::ClickRecorder(MouseHook& hook, WindowHandle mainWindow, Pointer& pointer,
                             MultiLineTextBox& recordBox, ListView& table, Dialogs& dialogs)
    : hook_(hook),
      mainWindow_(mainWindow),
      pointer_(pointer),
      recordBox_(recordBox),
      table_(table),
      dialogs_(dialogs) {}

ClickRecorder::~ClickRecorder() {
  if (recording_) hook_.uninstall();
}

void ClickRecorder::startRecording() {
  dialogs_.showMessage(texts::kRecordingOn, texts::kMessageTitle, MessageIcon::None);
  // A second start while recording replaces the hook (MouseHook removes the earlier one), so
  // each click is still recorded once. A refused hook records nothing, without a word: the user
  // has been told already.
  hook_.installMouseHook(mainWindow_,
                         [this](std::int32_t button, std::int32_t action, std::int32_t third) {
                           return recordClick(button, action, third);
                         });
  recording_ = true;
}

void ClickRecorder::stopRecording() {
  hook_.uninstall();
  recording_ = false;
  dialogs_.showMessage(texts::kRecordingOff, texts::kMessageTitle, MessageIcon::None);
}

std::int32_t ClickRecorder::recordClick(std::int32_t button, std::int32_t action,
                                        std::int32_t /*third*/) {
  // Releases only: one line per click, two for a double-click.
  if (action != kRelease || (button != kLeftButton && button != kRightButton)) return 0;
  // Where the cursor is now, in screen pixels; the event's own position is not passed to us.
  const ScreenPoint at = pointer_.cursorPosition();
  std::string line(button == kLeftButton ? kLeftClickKind : kRightClickKind);
  line += kRecordSeparator;
  line += intToText(at.x);
  line += kRecordSeparator;
  line += intToText(at.y);
  line += kRecordLineEnd;
  appendToRecordBox(line);
  return 0;
}

void ClickRecorder::appendToRecordBox(std::string_view text) {
  // At the end, wherever the user left the caret or a selection, and with the new line in view.
  recordBox_.moveCaretToEnd();
  recordBox_.scrollCaretIntoView();
  recordBox_.replaceSelection(text);
}

void ClickRecorder::addRecordedRows() {
  const std::string text = recordBox_.text();
  forEachPiece(text, kRecordLineEnd, [&](std::string_view line) {
    const std::vector<std::string_view> fields = splitText(line, kRecordSeparator);
    if (fields.size() != 3) return;
    // The box is the user's to edit: a field that would break the list file is left out, with
    // its line, as any other line that is no record.
    for (const std::string_view field : fields) {
      if (breaksListFile(field)) return;
    }
    const int row = table_.Insert(ListView::kAtEnd, intToText(table_.GetCount() + 1));
    table_.SetCaption(row, kColumnX, fields[1]);
    table_.SetCaption(row, kColumnY, fields[2]);
    table_.SetCaption(row, kColumnKind, fields[0]);
  });
}

}  // namespace quintrel
