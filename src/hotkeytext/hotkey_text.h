// Reading a hotkey text back into modifiers and a key.
//
// Modifiers and key are found independently: each modifier word counts wherever it stands in the
// text ("Ctrl", "Shift", "Alt", and "Win" where the reader takes the Windows key as a modifier);
// the key is the name of the last " + " piece. So "Shift + Ctrl + A" reads as Ctrl, Shift and A,
// "Ctrl + " as Ctrl and the Ctrl key, and "Alt + Num +" as Alt and "Num +" (the separator needs a
// space on both sides).
#pragma once

#include <string_view>

namespace quintrel {

// The system hotkey flags, as RegisterHotKey takes them.
enum HotkeyModifier : unsigned {
  kModAlt = 1,
  kModControl = 2,
  kModShift = 4,
  kModWin = 8,
};

// What a hotkey text stands for: modifier flags and a virtual-key code (0: no key).
struct KeyCombo {
  unsigned modifiers = 0;
  int key = 0;
  friend bool operator==(const KeyCombo&, const KeyCombo&) = default;
};

// Whether the word "Win" counts as the Windows-key modifier (applying the list) or not (the
// entry boxes, which treat the Windows key as an ordinary key).
enum class WinWord { Ignored, IsModifier };

inline constexpr std::string_view kHotkeySeparator = " + ";

// The modifier flags whose words occur anywhere in text (case-sensitive substring search).
unsigned findModifierWords(std::string_view text, WinWord win);

// The code of the key named by the last " + " piece of text; 0 when there is no piece or the
// piece names no key.
int findHotkeyKey(std::string_view text);

// Both of the above.
KeyCombo readHotkeyText(std::string_view text, WinWord win);

}  // namespace quintrel
