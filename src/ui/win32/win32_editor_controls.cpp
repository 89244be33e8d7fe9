#include "ui/win32/win32_editor_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/wide_text.h"
#include "ui/win32/win32_list_view_cells.h"

namespace quintrel::win32 {
namespace {

constexpr UINT_PTR kKeyEventsId = 0x4B45;  // "KE"

void embed(HWND control, ListViewCells& listView) {
  // Only a Windows list view can be a parent.
  if (auto* cells = dynamic_cast<Win32ListViewCells*>(&listView))
    SetParent(control, cells->handle());
}

// Exactly on rect, on top of the cells, shown. SWP_NOZORDER: the stacking order stays.
void placeOver(HWND control, ClientRect rect, int height) {
  SetWindowPos(control, nullptr, rect.left, rect.top, rect.width(), height,
               SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

bool isSeparator(WPARAM character) {
  return character == L'|' || character == L'\r' || character == L'\n';
}

}  // namespace

void Win32EditEditor::embedIn(ListViewCells& listView) { embed(edit_, listView); }
void Win32EditEditor::place(ClientRect rect) { placeOver(edit_, rect, rect.height()); }
std::string Win32EditEditor::text() const { return windowTextCp936(edit_); }
void Win32EditEditor::setText(std::string_view text) { setWindowTextCp936(edit_, text); }

HWND comboEditField(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info) != FALSE && info.hwndItem != nullptr) return info.hwndItem;
  return GetWindow(combo, GW_CHILD);
}

void setComboFieldHeight(HWND combo, int height) {
  // The field is its item height plus borders, but the item height that CB_SETITEMHEIGHT takes
  // and the one CB_GETITEMHEIGHT reports need not be measured alike: one correction after the
  // first try makes the field exact. With the box closed, its window is the field.
  const auto fieldHeight = [combo] {
    RECT field{};
    GetWindowRect(combo, &field);
    return static_cast<int>(field.bottom - field.top);
  };
  const int itemHeight =
      static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  int wanted = itemHeight + height - fieldHeight();
  for (int attempt = 0; attempt < 2 && wanted > 0 && fieldHeight() != height; ++attempt) {
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
    wanted -= fieldHeight() - height;
  }
}

int comboListHeight(HWND combo) {
  // Room for every item and the list's borders; a list of integral height trims what is spare.
  constexpr int kBorders = 8;
  const LRESULT items = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  const LRESULT itemHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
  return static_cast<int>((items > 0 ? items : 1) * (itemHeight > 0 ? itemHeight : 16)) + kBorders;
}

void Win32ComboEditor::embedIn(ListViewCells& listView) { embed(combo_, listView); }

Win32ComboEditor::Win32ComboEditor(HWND combo) : combo_(combo) {
  RECT field{};
  GetWindowRect(combo_, &field);
  readableFieldHeight_ = static_cast<int>(field.bottom - field.top);
}

void Win32ComboEditor::place(ClientRect rect) {
  // Sizing the box may set its field to a height of its own choosing; the field is made to fit
  // afterwards.
  const int fieldHeight = std::max(rect.height(), readableFieldHeight_);
  placeOver(combo_, rect, fieldHeight + comboListHeight(combo_));
  setComboFieldHeight(combo_, fieldHeight);
}

void Win32ComboEditor::hide() {
  SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
  ShowWindow(combo_, SW_HIDE);
}

std::string Win32ComboEditor::text() const { return windowTextCp936(combo_); }
void Win32ComboEditor::setText(std::string_view text) { setWindowTextCp936(combo_, text); }
void Win32ComboEditor::selectAllText() {
  SendMessageW(combo_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}
void Win32ComboEditor::selectItem(int index) {
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

EditorKeyEvents::EditorKeyEvents(HWND window, std::function<void(int)> keyPressed)
    : window_(window), keyPressed_(std::move(keyPressed)) {
  SetWindowSubclass(window_, subclassProc, kKeyEventsId, reinterpret_cast<DWORD_PTR>(this));
}

EditorKeyEvents::~EditorKeyEvents() { RemoveWindowSubclass(window_, subclassProc, kKeyEventsId); }

LRESULT CALLBACK EditorKeyEvents::subclassProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto& events = *reinterpret_cast<EditorKeyEvents*>(self);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The handler may move the focus away; the key still goes on to the control.
      if (events.keyPressed_) events.keyPressed_(static_cast<int>(wParam));
      break;
    case WM_CHAR:
      if (isSeparator(wParam)) return 0;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace quintrel::win32
