#include "hotkeytext/key_names.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace quintrel {
namespace {

using NameTable = std::array<std::string_view, 256>;

constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                         "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                         "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::string_view kNumpad[] = {"Num 0", "Num 1", "Num 2", "Num 3", "Num 4",
                                        "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
constexpr std::string_view kFunction[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                          "F7", "F8", "F9", "F10", "F11", "F12"};

// The keys named one by one. "LaunchMediaPlaye" really has sixteen letters.
constexpr std::pair<int, std::string_view> kSingleNames[] = {
    {8, "Backspace"},
    {9, "Tab"},
    {13, "Enter"},
    {16, "Shift"},
    {17, "Ctrl"},
    {18, "Alt"},
    {19, "Pause"},
    {20, "CapsLock"},
    {27, "Esc"},
    {32, "Space"},
    {33, "PgUp"},
    {34, "PgDn"},
    {35, "End"},
    {36, "Home"},
    {37, "\xA1\xFB"},  // left arrow
    {38, "\xA1\xFC"},  // up arrow
    {39, "\xA1\xFA"},  // right arrow
    {40, "\xA1\xFD"},  // down arrow
    {45, "Ins"},
    {46, "Del"},
    {91, "Win"},
    {93, "Menu"},
    {106, "Num *"},
    {107, "Num +"},
    {109, "Num -"},
    {110, "Num ."},
    {111, "Num /"},
    {144, "NumLock"},
    {145, "ScrollLock"},
    {174, "AudioVolumeDown"},
    {175, "AudioVolumeUp"},
    {179, "MediaPlayPause"},
    {181, "LaunchMediaPlaye"},
    {186, ";"},
    {187, "="},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "/"},
    {192, "`"},
    {219, "["},
    {220, "\\"},
    {221, "]"},
    {222, "'"},
};

constexpr NameTable buildNameTable() {
  NameTable table{};
  for (int i = 0; i < 10; ++i) table[48 + i] = kDigits[i];
  for (int i = 0; i < 26; ++i) table[65 + i] = kLetters[i];
  for (int i = 0; i < 10; ++i) table[96 + i] = kNumpad[i];
  for (int i = 0; i < 12; ++i) table[112 + i] = kFunction[i];
  for (const auto& [code, name] : kSingleNames) table[code] = name;
  return table;
}

constexpr NameTable kNames = buildNameTable();

struct NamedCode {
  std::string_view name;
  int code;
};

// The named codes sorted by name, for reading names back by binary search.
const std::vector<NamedCode>& codesByName() {
  static const std::vector<NamedCode> sorted = [] {
    std::vector<NamedCode> list;
    for (int code = 0; code < 256; ++code) {
      if (!kNames[code].empty()) list.push_back({kNames[code], code});
    }
    std::sort(list.begin(), list.end(),
              [](const NamedCode& a, const NamedCode& b) { return a.name < b.name; });
    return list;
  }();
  return sorted;
}

}  // namespace

std::string_view keyNameFromCode(int code) {
  if (code < 0 || code > 255) return {};
  return kNames[code];
}

int keyCodeFromName(std::string_view name) {
  const auto& list = codesByName();
  const auto it =
      std::lower_bound(list.begin(), list.end(), name,
                       [](const NamedCode& entry, std::string_view n) { return entry.name < n; });
  return it != list.end() && it->name == name ? it->code : 0;
}

std::string_view modifierPrefix(bool ctrl, bool shift, bool alt) {
  static constexpr std::string_view kPrefixes[8] = {
      "",       "Ctrl + ",       "Shift + ",       "Ctrl + Shift + ",
      "Alt + ", "Ctrl + Alt + ", "Shift + Alt + ", "Ctrl + Shift + Alt + ",
  };
  return kPrefixes[(ctrl ? 1 : 0) | (shift ? 2 : 0) | (alt ? 4 : 0)];
}

std::string formatHotkeyText(bool ctrl, bool shift, bool alt, int code) {
  std::string text(modifierPrefix(ctrl, shift, alt));
  text += keyNameFromCode(code);
  return text;
}

}  // namespace quintrel
