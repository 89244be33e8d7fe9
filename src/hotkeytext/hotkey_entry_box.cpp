#include "hotkeytext/hotkey_entry_box.h"

#include "hotkeytext/hotkey_text.h"
#include "hotkeytext/key_names.h"
#include "platform/window_messages.h"

namespace quintrel {

using namespace msg;

namespace {

constexpr int kShiftKey = 16;
constexpr int kCtrlKey = 17;
constexpr int kAltKey = 18;

unsigned heldFlagOf(int keyCode) {
  switch (keyCode) {
    case kCtrlKey:
      return kHeldCtrl;
    case kShiftKey:
      return kHeldShift;
    case kAltKey:
      return kHeldAlt;
    default:
      return 0;
  }
}

std::string_view prefixOf(unsigned held) {
  return modifierPrefix((held & kHeldCtrl) != 0, (held & kHeldShift) != 0, (held & kHeldAlt) != 0);
}

unsigned heldFromHotkeyFlags(unsigned flags) {
  return ((flags & kModControl) != 0 ? kHeldCtrl : 0u) |
         ((flags & kModShift) != 0 ? kHeldShift : 0u) | ((flags & kModAlt) != 0 ? kHeldAlt : 0u);
}

}  // namespace

void HotkeyEntryBoxes::setup(const std::vector<HotkeyBoxControl*>& boxes,
                             std::string_view namePrefix, std::string placeholder,
                             HotkeyEnteredCallback callback) {
  placeholder_ = std::move(placeholder);
  for (HotkeyBoxControl* box : boxes) {
    if (box == nullptr || !box->name().starts_with(namePrefix)) continue;
    box->setReadOnly(true);
    std::string text = box->text();
    // The Windows key is an ordinary key to the boxes, so "Win" is not read as a modifier here.
    const int key = findHotkeyKey(text);
    const unsigned modifiers = findModifierWords(text, WinWord::Ignored);
    if (key != 0 || modifiers != 0) {
      if (callback) callback(*box, key, heldFromHotkeyFlags(modifiers), text);
    } else {
      text = placeholder_;
    }
    box->setText(text);
  }
  callback_ = std::move(callback);
}

bool HotkeyEntryBoxes::handleBoxMessage(HotkeyBoxControl& box, unsigned message, int keyCode) {
  switch (message) {
    case kWmKeyDown:
    case kWmSysKeyDown:
      return keyDown(box, keyCode);
    case kWmKeyUp:
    case kWmSysKeyUp:
      keyUp(box, keyCode);
      return false;
    case kWmKillFocus:
      focusLost(box);
      return false;
    default:
      return false;
  }
}

std::string HotkeyEntryBoxes::rememberedText(const HotkeyBoxControl& box) const {
  const auto found = remembered_.find(&box);
  return found == remembered_.end() ? std::string() : found->second;
}

bool HotkeyEntryBoxes::keyDown(HotkeyBoxControl& box, int keyCode) {
  const unsigned modifier = heldFlagOf(keyCode);
  held_ |= modifier;
  const std::string_view keyName = modifier != 0 ? std::string_view() : keyNameFromCode(keyCode);
  std::string text = std::string(prefixOf(held_)) + std::string(keyName);
  if (text.empty()) text = placeholder_;
  if (!keyName.empty()) {
    const unsigned heldWithKey = held_;
    held_ = 0;
    // The box's focus loss runs inside this call and sees the text from before this key.
    box.dropFocus();
    if (callback_ && callback_(box, keyCode, heldWithKey, text) == 1) return true;
    remembered_[&box] = text;
  }
  box.setText(text);
  return false;
}

void HotkeyEntryBoxes::keyUp(HotkeyBoxControl& box, int keyCode) {
  held_ &= ~heldFlagOf(keyCode);
  // Once a box has accepted a hotkey, every release shows that hotkey again.
  std::string text(prefixOf(held_));
  if (text.empty()) text = placeholder_;
  const std::string remembered = rememberedText(box);
  if (!remembered.empty() && remembered != placeholder_) text = remembered;
  box.setText(text);
}

void HotkeyEntryBoxes::focusLost(HotkeyBoxControl& box) {
  // Modifiers without a key are no hotkey: the box falls back to what it last accepted.
  if (box.text().ends_with(kHotkeySeparator)) box.setText(restingText(box));
}

std::string HotkeyEntryBoxes::restingText(const HotkeyBoxControl& box) const {
  const std::string remembered = rememberedText(box);
  return !remembered.empty() && remembered != placeholder_ ? remembered : placeholder_;
}

}  // namespace quintrel
