#include "playback/hotkey_list_applier.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "table/hotkey_columns.h"
#include "text/numbers.h"

namespace quintrel {
namespace {

// The distinct hotkey texts of a table in the order of their first rows, each with its rows.
struct TextsAndRows {
  // Position of each text in `texts`. Node-based, so the keys stay where they are while the map
  // grows and `texts` can point at them.
  std::unordered_map<std::string, std::size_t> positionOf;
  std::vector<const std::string*> texts;
  std::vector<std::string> rows;  // decimal row indexes joined by ","
};

TextsAndRows gatherRows(const ListView& table) {
  TextsAndRows gathered;
  const int count = table.GetCount();
  for (int row = 0; row < count; ++row) {
    auto [it, added] = gathered.positionOf.try_emplace(table.GetCaption(row, kColumnHotkey),
                                                       gathered.texts.size());
    if (added) {
      gathered.texts.push_back(&it->first);
      gathered.rows.emplace_back();
    }
    std::string& rows = gathered.rows[it->second];
    if (!rows.empty()) rows += ',';
    rows += intToText(row);
  }
  return gathered;
}

}  // namespace

KeyCombo parseHotkeyText(std::string_view text) {
  return readHotkeyText(text, WinWord::IsModifier);
}

void applyHotkeyList(const ListView& table, HotkeyWindow& window, HotkeyRegistry& registry,
                     KeyedTable& groupsByText, HotkeyGroups& groups, WindowProcedure& handler) {
  registry.removeAllHotkeys(window);
  groupsByText.clear();
  groupsByText.create(KeyKind::Text, ValueKind::Text, 64);

  TextsAndRows gathered = gatherRows(table);
  groups.clear();
  groups.reserve(gathered.texts.size());
  for (std::size_t i = 0; i < gathered.texts.size(); ++i) {
    const std::string& text = *gathered.texts[i];
    // The group is what the table holds for the text: nothing for the empty text, which the
    // table refuses as a key, and nothing at all when the table could not be created.
    if (groupsByText.set(Key::ofText(text), Value::ofText(gathered.rows[i])) !=
        SetResult::Refused) {
      groups.push_back(std::move(gathered.rows[i]));
    } else {
      groups.emplace_back();
    }
    const KeyCombo combo = parseHotkeyText(text);
    registry.addHotkey(window, combo.modifiers, combo.key, &handler, static_cast<int>(i + 1));
  }
}

}  // namespace quintrel
