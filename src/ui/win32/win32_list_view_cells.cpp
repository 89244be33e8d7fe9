#include "ui/win32/win32_list_view_cells.h"

#include <commctrl.h>

namespace quintrel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4C56;  // "LV"

}  // namespace

Win32ListViewCells::Win32ListViewCells(Win32ListView& table) : table_(table) {
  SetWindowSubclass(handle(), subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Win32ListViewCells::~Win32ListViewCells() {
  RemoveWindowSubclass(handle(), subclassProc, kSubclassId);
}

ClientPoint Win32ListViewCells::toClient(ScreenPoint screen) const {
  POINT point{screen.x, screen.y};
  ScreenToClient(handle(), &point);
  return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

CellAddress Win32ListViewCells::cellAt(ClientPoint point) const {
  LVHITTESTINFO hit{};
  hit.pt = {point.x, point.y};
  SendMessageW(handle(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  // Beside the columns or outside the client area the control may still name an item.
  if ((hit.flags & LVHT_ONITEM) == 0) return {};
  return {hit.iItem, hit.iSubItem};
}

ClientRect Win32ListViewCells::cellRect(CellAddress cell) const {
  RECT rect{};
  rect.left = LVIR_LABEL;
  rect.top = cell.column;
  if (SendMessageW(handle(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(cell.item),
                   reinterpret_cast<LPARAM>(&rect)) == FALSE) {
    return {};
  }
  return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
          static_cast<int>(rect.bottom)};
}

void Win32ListViewCells::setCellText(CellAddress cell, std::string_view text) {
  table_.SetCaption(cell.item, cell.column, text);
}

LRESULT CALLBACK Win32ListViewCells::subclassProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto& cells = *reinterpret_cast<Win32ListViewCells*>(self);
  switch (message) {
    case WM_LBUTTONDBLCLK:
    case WM_SETFOCUS:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      if (cells.handler_ != nullptr && cells.handler_->handleListViewMessage(message)) return 0;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace quintrel::win32
