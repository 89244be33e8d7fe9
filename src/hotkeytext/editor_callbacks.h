// What the program's in-place editors do when a cell opens and when it is stored, and what a
// hotkey typed into the top entry box does: add a row.
#pragma once

#include "editing/cell_editor.h"
#include "hotkeytext/hotkey_entry_box.h"
#include "platform/combo_editor_control.h"
#include "platform/list_view.h"
#include "platform/period_timer.h"

namespace quintrel {

// How long after a hotkey cell was stored the table is applied again: the cell receives its text
// only after the commit callback has returned.
inline constexpr int kApplyAfterHotkeyEditMs = 500;

// Edit boxes and the hotkey box: the editor shows the cell's text, all of it selected.
ShowEditorCallback showCellText(const ListView& table);
// The click-kind combo box: a non-empty cell's text, or the first item ("左键单击") for an empty
// cell, all of it selected.
ShowEditorCallback showClickKind(const ListView& table, ComboEditorControl& combo);
// The editor's text is what the cell stores.
CommitEditorCallback commitEditorText();
// As commitEditorText, and starts timer so the table is applied again once the cell holds the
// new hotkey.
CommitEditorCallback commitHotkeyText(PeriodTimer& timer);
// The entry boxes' callback: a hotkey accepted in any box but cellEditingBox (which only edits
// cells) appends a row with the next number, the hotkey and a left click. Never consumes the key.
HotkeyEnteredCallback addRowForHotkey(ListView& table, const HotkeyBoxControl& cellEditingBox);

}  // namespace quintrel
