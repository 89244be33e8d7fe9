// Applying the hotkey list: every distinct hotkey text of the table becomes one system-wide
// hotkey of the main window, and the rows that share a text form the group it plays.
//
// Ids are the positions of the distinct texts in the order of their first rows, counted from 1.
// A text the system refuses keeps its id and its group element, so later ids stay aligned with
// their groups; the empty text takes an id too, with an empty group, and is tried as modifiers 0
// and key 0.
//
// The rows of each text are gathered in one pass and every group is stored once, so a big table
// applies in linear time even when all rows share one hotkey; the keyed table ends with the same
// keys, values and insertion order as growing each group by get, append and set would leave.
#pragma once

#include <string_view>

#include "hotkeytext/hotkey_text.h"
#include "platform/hotkey_window.h"
#include "platform/list_view.h"
#include "playback/hotkey_groups.h"
#include "playback/hotkey_registry.h"
#include "playback/keyedtable/keyed_table.h"

namespace quintrel {

// Modifiers and virtual key of a hotkey text, "Win" counting as the Windows-key modifier.
KeyCombo parseHotkeyText(std::string_view text);

// Removes every hotkey of window, then registers one per distinct text of the table's hotkey
// column with handler, and rebuilds groupsByText (hotkey text -> group text) and groups. Shows
// nothing, whatever the system accepts or refuses.
void applyHotkeyList(const ListView& table, HotkeyWindow& window, HotkeyRegistry& registry,
                     KeyedTable& groupsByText, HotkeyGroups& groups, WindowProcedure& handler);

}  // namespace quintrel
