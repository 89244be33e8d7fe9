// The list view "超级列表框1" over a comctl32 report list view with owner data (LVS_OWNERDATA):
// the rows live in a MemoryListView, as code page 936 bytes, and the control asks for the texts
// it draws (LVN_GETDISPINFOW), so a table of a hundred thousand rows loads and scrolls as fast as
// a small one. The control keeps what is its own: the item count it is told, the selection and
// the focus; removing a row through the control (LVM_DELETEITEM) moves the selection of the rows
// below up with them.
//
// While redrawing is off, rows added are announced to the control all at once when it is turned on
// again, or before any operation that needs the control to know them.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/list_view.h"
#include "table/memory_list_view.h"

namespace quintrel::win32 {

struct ListColumn {
  std::string caption;  // code page 936
  int width = 0;
  int format = LVCFMT_LEFT;
};

class Win32ListView final : public ListView {
 public:
  // list: a report list view made with LVS_OWNERDATA; the columns are added here.
  Win32ListView(HWND list, const std::vector<ListColumn>& columns);

  HWND handle() const { return list_; }

  // The parent's WM_NOTIFY from the control; true when it was the control's request for a text.
  bool handleNotify(const NMHDR& header);

  int GetCount() const override { return rows_.GetCount(); }
  std::string GetCaption(int row, int column) const override;
  void SetCaption(int row, int column, std::string_view text) override;
  int Insert(int position, std::string_view caption) override;
  void Remove(int row) override;
  std::vector<int> GetSelItems() const override;
  std::string GetColCaption(int column) const override { return rows_.GetColCaption(column); }
  int GetColCount() const override { return rows_.GetColCount(); }
  void SetRedraw(bool on) override;

 private:
  // Tells the control the row count when it does not know it yet.
  void announceRows() const;
  void selectRow(int row, bool selected) const;

  HWND list_;
  MemoryListView rows_;
  bool redrawOn_ = true;
  mutable int announcedCount_ = 0;
};

}  // namespace quintrel::win32
