// The list view "超级列表框1" as the in-place cell editor sees it: hit tests and cell rectangles
// by the control's own messages (LVM_SUBITEMHITTEST, LVM_GETSUBITEMRECT with LVIR_LABEL), in the
// control's client coordinates, which its embedded editors share.
//
// The control is subclassed (SetWindowSubclass, with this object as the reference data): a
// double-click, its gaining the focus, the scroll bars and the wheel reach the message handler
// before the control; a message the handler consumes goes no further.
#pragma once

#include <windows.h>

#include "platform/list_view_cells.h"
#include "ui/win32/win32_list_view.h"

namespace quintrel::win32 {

class Win32ListViewCells final : public ListViewCells {
 public:
  // table writes the cells, so the rows and the control agree; it outlives this object.
  explicit Win32ListViewCells(Win32ListView& table);
  ~Win32ListViewCells() override;
  Win32ListViewCells(const Win32ListViewCells&) = delete;
  Win32ListViewCells& operator=(const Win32ListViewCells&) = delete;

  HWND handle() const { return table_.handle(); }

  void setMessageHandler(ListViewMessageHandler* handler) override { handler_ = handler; }
  ClientPoint toClient(ScreenPoint screen) const override;
  CellAddress cellAt(ClientPoint point) const override;
  ClientRect cellRect(CellAddress cell) const override;
  void setCellText(CellAddress cell, std::string_view text) override;
  void takeFocus() override { SetFocus(handle()); }

 private:
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  Win32ListView& table_;
  ListViewMessageHandler* handler_ = nullptr;
};

}  // namespace quintrel::win32
