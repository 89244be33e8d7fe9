// Feeds arbitrary text to the hotkey text reader.
//
// Checked besides "no crash, no sanitizer report": the key found is 0 or a named key; the flags
// are within the four modifiers; and formatting what was read, then reading it again, gives the
// same key and at least the same Ctrl, Shift and Alt flags.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hotkeytext/hotkey_text.h"
#include "hotkeytext/key_names.h"
#include "text/numbers.h"

namespace {
void check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quintrel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const KeyCombo combo = readHotkeyText(text, WinWord::IsModifier);
  check(combo.modifiers <= (kModAlt | kModControl | kModShift | kModWin));
  check(combo.key == 0 || keyCodeFromName(keyNameFromCode(combo.key)) == combo.key);
  check(readHotkeyText(text, WinWord::Ignored).modifiers == (combo.modifiers & ~kModWin));

  const bool ctrl = combo.modifiers & kModControl;
  const bool shift = combo.modifiers & kModShift;
  const bool alt = combo.modifiers & kModAlt;
  const KeyCombo again =
      readHotkeyText(formatHotkeyText(ctrl, shift, alt, combo.key), WinWord::IsModifier);
  const unsigned held = combo.modifiers & (kModControl | kModShift | kModAlt);
  check((again.modifiers & held) == held);
  if (combo.key != 0) check(again.key == combo.key);

  // The number reader shares the character walk: it must take any bytes too.
  (void)textToInt(text);
  return 0;
}
