#include "hotkeytext/editor_callbacks.h"

#include <string>

#include "table/hotkey_columns.h"

namespace quintrel {

ShowEditorCallback showCellText(const ListView& table) {
  return [&table](EditorControl& editor, CellAddress cell) {
    editor.setText(table.GetCaption(cell.item, cell.column));
    editor.selectAllText();
  };
}

ShowEditorCallback showClickKind(const ListView& table, ComboEditorControl& combo) {
  return [&table, &combo](EditorControl&, CellAddress cell) {
    const std::string text = table.GetCaption(cell.item, cell.column);
    if (text.empty()) {
      combo.selectItem(0);
    } else {
      combo.setText(text);
    }
    combo.selectAllText();
  };
}

CommitEditorCallback commitEditorText() {
  return [](EditorControl& editor, CellAddress) { return editor.text(); };
}

CommitEditorCallback commitHotkeyText(PeriodTimer& timer) {
  return [&timer](EditorControl& editor, CellAddress) {
    timer.setPeriod(kApplyAfterHotkeyEditMs);
    return editor.text();
  };
}

HotkeyEnteredCallback addRowForHotkey(ListView& table, const HotkeyBoxControl& cellEditingBox) {
  return [&table, &cellEditingBox](HotkeyBoxControl& box, int, unsigned, std::string_view text) {
    if (&box == &cellEditingBox) return 0;
    const int row = table.Insert(ListView::kAtEnd, std::to_string(table.GetCount() + 1));
    table.SetCaption(row, kColumnHotkey, text);
    table.SetCaption(row, kColumnKind, kLeftClickKind);
    return 0;
  };
}

}  // namespace quintrel
