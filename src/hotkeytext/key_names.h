// The names of the keys that can be part of a hotkey, by Windows virtual-key code.
//
// Codes 0..255 are Windows virtual-key codes on every platform; the Linux side maps its keys onto
// them. Names are code page 936 byte strings: ASCII, except the four arrows, which are single
// double-byte characters.
#pragma once

#include <string>
#include <string_view>

namespace quintrel {

// The key's name from the key-name table; the empty text when the code has none.
std::string_view keyNameFromCode(int code);

// The code whose name is exactly this text (byte for byte: case matters, nothing is trimmed);
// 0 when no name matches.
int keyCodeFromName(std::string_view name);

// "", "Ctrl + ", "Shift + ", "Alt + " and their combinations, always in that order.
std::string_view modifierPrefix(bool ctrl, bool shift, bool alt);

// modifierPrefix followed by the key's name; the prefix alone when the code has no name.
std::string formatHotkeyText(bool ctrl, bool shift, bool alt, int code);

}  // namespace quintrel
