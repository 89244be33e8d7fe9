// The command identifiers of the main window's controls and its timer.
#pragma once

namespace quintrel::win32 {

enum ControlId : int {
  kHotkeyBox1Id = 1001,
  kApplyButtonId,
  kRemoveButtonId,
  kRecordOnButtonId,
  kRecordOffButtonId,
  kAddRowsButtonId,
  kListViewId,
  kRecordBoxId,
  kNumberEditorId,
  kHotkeyBox2Id,
  kKindBoxId,
  kNoticeLabelId,
  kLinkId,
  kHintLabelId,
};

// "时钟1"
inline constexpr unsigned kTimerId = 1;

}  // namespace quintrel::win32
