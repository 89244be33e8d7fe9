// Texts the program shows, as code page 936 bytes (the Chinese original beside each).
#pragma once

#include <string_view>

namespace quintrel::texts {

// Quintrel V2.0 作者:Morvane
inline constexpr std::string_view kMainWindowTitle = "Quintrel V2.0 \xD7\xF7\xD5\xDF:Morvane";
// 热键框  (the name prefix of the hotkey entry boxes)
inline constexpr std::string_view kHotkeyBoxPrefix = "\xC8\xC8\xBC\xFC\xBF\xF2";
// 请按下热键  (what an idle entry box shows)
inline constexpr std::string_view kPressHotkey = "\xC7\xEB\xB0\xB4\xCF\xC2\xC8\xC8\xBC\xFC";
// 信息：  (the title of every message box)
inline constexpr std::string_view kMessageTitle = "\xD0\xC5\xCF\xA2\xA3\xBA";

// 无法保存列表到 hotkey.txt：<reason>。原来的文件没有改动。
inline constexpr std::string_view kSaveFailedBefore =
    "\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6\xC1\xD0\xB1\xED\xB5\xBD hotkey.txt\xA3\xBA";
inline constexpr std::string_view kSaveFailedAfter =
    "\xA1\xA3\xD4\xAD\xC0\xB4\xB5\xC4\xCE\xC4\xBC\xFE\xC3\xBB\xD3\xD0\xB8\xC4\xB6\xAF\xA1\xA3";
// 现在关闭，本次的修改将会丢失。
inline constexpr std::string_view kCloseLosesEdits =
    "\xCF\xD6\xD4\xDA\xB9\xD8\xB1\xD5\xA3\xAC\xB1\xBE\xB4\xCE\xB5\xC4\xD0\xDE\xB8\xC4\xBD\xAB\xBB"
    "\xE1\xB6\xAA\xCA\xA7\xA1\xA3";
// 仍然关闭
inline constexpr std::string_view kCloseAnyway = "\xC8\xD4\xC8\xBB\xB9\xD8\xB1\xD5";
// 返回
inline constexpr std::string_view kGoBack = "\xB7\xB5\xBB\xD8";

// Reasons a save failed.
// 已有同名的文件夹
inline constexpr std::string_view kReasonNotAFile =
    "\xD2\xD1\xD3\xD0\xCD\xAC\xC3\xFB\xB5\xC4\xCE\xC4\xBC\xFE\xBC\xD0";
// 文件是只读的
inline constexpr std::string_view kReasonReadOnly =
    "\xCE\xC4\xBC\xFE\xCA\xC7\xD6\xBB\xB6\xC1\xB5\xC4";
// 无法在所在文件夹中创建文件
inline constexpr std::string_view kReasonCannotCreate =
    "\xCE\xDE\xB7\xA8\xD4\xDA\xCB\xF9\xD4\xDA\xCE\xC4\xBC\xFE\xBC\xD0\xD6\xD0\xB4\xB4\xBD\xA8\xCE"
    "\xC4\xBC\xFE";
// 写入失败，磁盘可能已满
inline constexpr std::string_view kReasonWriteFailed =
    "\xD0\xB4\xC8\xEB\xCA\xA7\xB0\xDC\xA3\xAC\xB4\xC5\xC5\xCC\xBF\xC9\xC4\xDC\xD2\xD1\xC2\xFA";
// 无法替换原来的文件
inline constexpr std::string_view kReasonCannotReplace =
    "\xCE\xDE\xB7\xA8\xCC\xE6\xBB\xBB\xD4\xAD\xC0\xB4\xB5\xC4\xCE\xC4\xBC\xFE";
// 没有可写入的列
inline constexpr std::string_view kReasonNothingToWrite =
    "\xC3\xBB\xD3\xD0\xBF\xC9\xD0\xB4\xC8\xEB\xB5\xC4\xC1\xD0";
// 启动时无法读取这个文件，保存会覆盖它
inline constexpr std::string_view kReasonUnreadableAtStart =
    "\xC6\xF4\xB6\xAF\xCA\xB1\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xD5\xE2\xB8\xF6\xCE\xC4\xBC\xFE\xA3"
    "\xAC\xB1\xA3\xB4\xE6\xBB\xE1\xB8\xB2\xB8\xC7\xCB\xFC";

}  // namespace quintrel::texts
