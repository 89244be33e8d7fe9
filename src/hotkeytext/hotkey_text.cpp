#include "hotkeytext/hotkey_text.h"

#include "hotkeytext/key_names.h"
#include "text/split.h"

namespace quintrel {

unsigned findModifierWords(std::string_view text, WinWord win) {
  unsigned modifiers = 0;
  if (text.find("Ctrl") != std::string_view::npos) modifiers |= kModControl;
  if (text.find("Shift") != std::string_view::npos) modifiers |= kModShift;
  if (text.find("Alt") != std::string_view::npos) modifiers |= kModAlt;
  if (win == WinWord::IsModifier && text.find("Win") != std::string_view::npos) {
    modifiers |= kModWin;
  }
  return modifiers;
}

int findHotkeyKey(std::string_view text) {
  std::string_view last;
  return lastPiece(text, kHotkeySeparator, last) ? keyCodeFromName(last) : 0;
}

KeyCombo readHotkeyText(std::string_view text, WinWord win) {
  return KeyCombo{findModifierWords(text, win), findHotkeyKey(text)};
}

}  // namespace quintrel
