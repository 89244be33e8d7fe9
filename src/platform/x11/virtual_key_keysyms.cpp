#include "platform/x11/virtual_key_keysyms.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <utility>

namespace quintrel::x11 {
namespace {

struct KeyPair {
  int virtualKey;
  KeySym keysym;
};

// Keys named one by one; digits, letters, keypad digits and F keys follow by rule below. Where a
// virtual key stands for two X keys, both are listed, the usual one first.
constexpr KeyPair kPairs[] = {
    {8, XK_BackSpace},
    {9, XK_Tab},
    {12, XK_Clear},
    {13, XK_Return},
    {13, XK_KP_Enter},
    {16, XK_Shift_L},
    {16, XK_Shift_R},
    {17, XK_Control_L},
    {17, XK_Control_R},
    {18, XK_Alt_L},
    {18, XK_Alt_R},
    {19, XK_Pause},
    {20, XK_Caps_Lock},
    {27, XK_Escape},
    {32, XK_space},
    {33, XK_Prior},
    {34, XK_Next},
    {35, XK_End},
    {36, XK_Home},
    {37, XK_Left},
    {38, XK_Up},
    {39, XK_Right},
    {40, XK_Down},
    {44, XK_Print},
    {45, XK_Insert},
    {46, XK_Delete},
    {91, XK_Super_L},
    {92, XK_Super_R},
    {93, XK_Menu},
    {106, XK_KP_Multiply},
    {107, XK_KP_Add},
    {108, XK_KP_Separator},
    {109, XK_KP_Subtract},
    {110, XK_KP_Decimal},
    {111, XK_KP_Divide},
    {144, XK_Num_Lock},
    {145, XK_Scroll_Lock},
    {173, XF86XK_AudioMute},
    {174, XF86XK_AudioLowerVolume},
    {175, XF86XK_AudioRaiseVolume},
    {176, XF86XK_AudioNext},
    {177, XF86XK_AudioPrev},
    {178, XF86XK_AudioStop},
    {179, XF86XK_AudioPlay},
    {181, XF86XK_AudioMedia},
    {186, XK_semicolon},
    {187, XK_equal},
    {188, XK_comma},
    {189, XK_minus},
    {190, XK_period},
    {191, XK_slash},
    {192, XK_grave},
    {219, XK_bracketleft},
    {220, XK_backslash},
    {221, XK_bracketright},
    {222, XK_apostrophe},
};

// Keypad digits with NumLock off produce these keysyms, on the same keys as KP_0 .. KP_9.
constexpr KeySym kKeypadWithoutNumLock[] = {XK_KP_Insert, XK_KP_End,   XK_KP_Down,  XK_KP_Next,
                                            XK_KP_Left,   XK_KP_Begin, XK_KP_Right, XK_KP_Home,
                                            XK_KP_Up,     XK_KP_Prior};

}  // namespace

std::vector<KeySym> keysymsOfVirtualKey(int virtualKey) {
  if (virtualKey >= '0' && virtualKey <= '9') return {static_cast<KeySym>(XK_0 + virtualKey - '0')};
  if (virtualKey >= 'A' && virtualKey <= 'Z') return {static_cast<KeySym>(XK_a + virtualKey - 'A')};
  if (virtualKey >= 96 && virtualKey <= 105)
    return {static_cast<KeySym>(XK_KP_0 + virtualKey - 96)};
  if (virtualKey >= 112 && virtualKey <= 135) {
    return {static_cast<KeySym>(XK_F1 + virtualKey - 112)};  // F1 .. F24
  }
  std::vector<KeySym> keysyms;
  for (const KeyPair& pair : kPairs) {
    if (pair.virtualKey == virtualKey) keysyms.push_back(pair.keysym);
  }
  return keysyms;
}

int virtualKeyOfKeysym(KeySym keysym) {
  if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>('0' + (keysym - XK_0));
  if (keysym >= XK_a && keysym <= XK_z) return static_cast<int>('A' + (keysym - XK_a));
  if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>('A' + (keysym - XK_A));
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return static_cast<int>(96 + (keysym - XK_KP_0));
  if (keysym >= XK_F1 && keysym <= XK_F24) return static_cast<int>(112 + (keysym - XK_F1));
  for (int digit = 0; digit < 10; ++digit) {
    if (kKeypadWithoutNumLock[digit] == keysym) return 96 + digit;
  }
  for (const KeyPair& pair : kPairs) {
    if (pair.keysym == keysym) return pair.virtualKey;
  }
  return 0;
}

}  // namespace quintrel::x11
