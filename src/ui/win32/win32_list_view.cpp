#include "ui/win32/win32_list_view.h"

#include <algorithm>

#include "ui/win32/wide_text.h"

namespace quintrel::win32 {
namespace {

std::vector<std::string> captionsOf(const std::vector<ListColumn>& columns) {
  std::vector<std::string> captions;
  for (const ListColumn& column : columns) captions.push_back(column.caption);
  return captions;
}

}  // namespace

Win32ListView::Win32ListView(HWND list, const std::vector<ListColumn>& columns)
    : list_(list), rows_(captionsOf(columns)) {
  for (std::size_t index = 0; index < columns.size(); ++index) {
    std::wstring title = widen(columns[index].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = columns[index].format;
    column.cx = columns[index].width;
    column.pszText = title.data();
    column.iSubItem = static_cast<int>(index);
    SendMessageW(list_, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  }
}

bool Win32ListView::handleNotify(const NMHDR& header) {
  if (header.hwndFrom != list_ || header.code != LVN_GETDISPINFOW) return false;
  // The control's own structure, of which header is the first member.
  auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
  LVITEMW& item = info.item;
  if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return true;
  const std::wstring text = widen(rows_.GetCaption(item.iItem, item.iSubItem));
  const std::size_t room = static_cast<std::size_t>(item.cchTextMax) - 1;
  const std::size_t length = std::min(text.size(), room);
  text.copy(item.pszText, length);
  item.pszText[length] = L'\0';
  return true;
}

std::string Win32ListView::GetCaption(int row, int column) const {
  return rows_.GetCaption(row, column);
}

void Win32ListView::SetCaption(int row, int column, std::string_view text) {
  if (row < 0 || row >= GetCount() || column < 0 || column >= GetColCount()) return;
  rows_.SetCaption(row, column, text);
  if (redrawOn_ && row < announcedCount_) {
    SendMessageW(list_, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
  }
}

int Win32ListView::Insert(int position, std::string_view caption) {
  // Rows below an insert in the middle move down; their selection must move with them, which the
  // control does not do for owner data. So it is taken off and put back one row lower.
  std::vector<int> movedSelection;
  const bool inMiddle = position >= 0 && position < GetCount();
  if (inMiddle) {
    for (const int row : GetSelItems()) {
      if (row < position) continue;
      movedSelection.push_back(row);
      selectRow(row, false);
    }
  }
  const int row = rows_.Insert(position, caption);
  if (redrawOn_ || inMiddle) announceRows();
  for (const int moved : movedSelection) selectRow(moved + 1, true);
  if (inMiddle && redrawOn_) InvalidateRect(list_, nullptr, FALSE);
  return row;
}

void Win32ListView::Remove(int row) {
  if (row < 0 || row >= GetCount()) return;
  announceRows();
  rows_.Remove(row);
  // The control takes the row out of its count and moves the selection below up.
  SendMessageW(list_, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
  announcedCount_ = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
  announceRows();
}

std::vector<int> Win32ListView::GetSelItems() const {
  announceRows();
  std::vector<int> selected;
  int row = -1;
  for (;;) {
    row = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                        MAKELPARAM(LVNI_SELECTED, 0)));
    if (row < 0 || (!selected.empty() && row <= selected.back())) break;
    if (row < GetCount()) selected.push_back(row);
  }
  return selected;
}

void Win32ListView::SetRedraw(bool on) {
  if (on == redrawOn_) return;
  redrawOn_ = on;
  if (on) announceRows();
  SendMessageW(list_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(list_, nullptr, TRUE);
}

void Win32ListView::announceRows() const {
  if (announcedCount_ == GetCount()) return;
  announcedCount_ = GetCount();
  SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(announcedCount_),
               LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  if (redrawOn_) InvalidateRect(list_, nullptr, FALSE);
}

void Win32ListView::selectRow(int row, bool selected) const {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = selected ? LVIS_SELECTED : 0;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

}  // namespace quintrel::win32
