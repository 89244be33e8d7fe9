// The hotkey table's columns and the list file's fixed texts, as code page 936 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintrel {

enum HotkeyColumn : int {
  kColumnNumber = 0,  // "#": the row's number, a label
  kColumnHotkey = 1,  // "热键": hotkey text
  kColumnX = 2,       // "x": screen position in pixels
  kColumnY = 3,       // "y"
  kColumnKind = 4,    // "类型": click kind
  kHotkeyColumnCount = 5,
};

inline constexpr std::string_view kColumnCaptions[kHotkeyColumnCount] = {
    "#",
    "\xC8\xC8\xBC\xFC",  // 热键
    "x",
    "y",
    "\xC0\xE0\xD0\xCD",  // 类型
};

inline std::vector<std::string> hotkeyColumnCaptions() {
  return {std::begin(kColumnCaptions), std::end(kColumnCaptions)};
}

// The two click kinds of column "类型": 左键单击 (left click) and 右键单击 (right click). Any other
// text may stand in the cell; such a row is refused only when it is played.
inline constexpr std::string_view kLeftClickKind = "\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7";
inline constexpr std::string_view kRightClickKind = "\xD3\xD2\xBC\xFC\xB5\xA5\xBB\xF7";

// The list file: its bare name (resolved against the current directory), its field separator,
// and the header naming the columns it holds, in file order.
inline constexpr std::string_view kListFileName = "hotkey.txt";
inline constexpr std::string_view kListSeparator = "|";
inline constexpr std::string_view kListHeader = "#|\xC8\xC8\xBC\xFC|x|y|\xC0\xE0\xD0\xCD";

}  // namespace quintrel
