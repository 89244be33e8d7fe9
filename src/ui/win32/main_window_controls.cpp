// The main window's controls: where each one is, what it shows, and the ports made over them.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "editing/row_commands.h"
#include "table/hotkey_columns.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/main_window.h"
#include "ui/win32/wide_text.h"

namespace quintrel::win32 {

struct MainWindow::ControlPlace {
  const wchar_t* name;
  const wchar_t* windowClass;
  const wchar_t* text;
  DWORD style;  // besides WS_CHILD
  DWORD exStyle;
  int left;
  int top;
  int width;
  int height;
  int fontHeight;  // 0: the system's default GUI font
  int id;
};

namespace {

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
// Where the list of "组合框1" drops: below its field of 20 pixels.
constexpr int kComboListRoom = 80;

}  // namespace

void MainWindow::buildControls() {
  // In form order, which is also the order of Tab.
  const ControlPlace places[] = {
      {L"热键框1", L"EDIT", L"", WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL,
       WS_EX_CLIENTEDGE, 0, 0, 233, 32, kControlFontHeight, kHotkeyBox1Id},
      {L"按钮1", L"BUTTON", L"应用热键列表", kButton, 0, 233, 0, 80, 32, kControlFontHeight,
       kApplyButtonId},
      {L"按钮2", L"BUTTON", L"卸载所有热键", kButton, 0, 313, 0, 80, 32, kControlFontHeight,
       kRemoveButtonId},
      {L"按钮3", L"BUTTON", L"鼠标记录开", kButton, 0, 396, 0, 80, 32, kControlFontHeight,
       kRecordOnButtonId},
      {L"按钮4", L"BUTTON", L"鼠标记录关", kButton, 0, 476, 0, 80, 32, kControlFontHeight,
       kRecordOffButtonId},
      {L"按钮5", L"BUTTON", L"添加到列表", kButton, 0, 556, 0, 80, 32, kControlFontHeight,
       kAddRowsButtonId},
      {L"超级列表框1", WC_LISTVIEWW, L"",
       WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA, WS_EX_CLIENTEDGE,
       0, 32, 392, 312, kControlFontHeight, kListViewId},
      {L"编辑框2", L"EDIT", L"",
       WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
       WS_EX_CLIENTEDGE, 392, 32, 248, 312, kControlFontHeight, kRecordBoxId},
      {L"编辑框1", L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 8, 80, 80, 20, 0,
       kNumberEditorId},
      {L"热键框2", L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL, 0, 8, 112, 80,
       20, kControlFontHeight, kHotkeyBox2Id},
      {L"组合框1", L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 8,
       144, 100, 20 + kComboListRoom, kControlFontHeight, kKindBoxId},
      {L"标签1", L"STATIC", L"本软件免费，如果您在别处花钱购买了此软件，请立即退款！", kLabel, 0, 0,
       344, 646, 17, kNoticeFontHeight, kNoticeLabelId},
      {L"超级链接框1", L"STATIC", L"请作者喝杯咖啡", kLabel | SS_NOTIFY, 0, 0, 361, 646, 30,
       kNoticeFontHeight, kLinkId},
      {L"标签3", L"STATIC", L"提示:热键可重复!双击表项修改!右键表项删除!列表自动读取保存!", kLabel,
       0, 0, 389, 646, 24, kHintFontHeight, kHintLabelId},
  };
  for (const ControlPlace& place : places) controls_.emplace(place.name, addControl(place));

  HWND combo = control(L"组合框1");
  for (const std::string_view kind : {kLeftClickKind, kRightClickKind}) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(kind).c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, 0, 0);

  // Whole rows selected, no grid lines; the header is clicked but sorts nothing.
  HWND list = control(L"超级列表框1");
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
}

HWND MainWindow::addControl(const ControlPlace& place) {
  HWND control = CreateWindowExW(
      place.exStyle, place.windowClass, place.text, WS_CHILD | place.style, place.left, place.top,
      place.width, place.height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
      GetModuleHandleW(nullptr), nullptr);
  const HFONT font = place.fontHeight != 0 ? fonts_.get(place.fontHeight, place.id == kLinkId)
                                           : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void MainWindow::buildPorts() {
  hotkeyWindow_.attach(window_);
  dialogs_.setOwner(window_);
  recordBox_ = std::make_unique<Win32RecordBox>(control(L"编辑框2"));

  const std::vector<ListColumn> columns = {
      {std::string(kColumnCaptions[kColumnNumber]), 50, LVCFMT_LEFT},
      {std::string(kColumnCaptions[kColumnHotkey]), 150, LVCFMT_CENTER},
      {std::string(kColumnCaptions[kColumnX]), 50, LVCFMT_CENTER},
      {std::string(kColumnCaptions[kColumnY]), 50, LVCFMT_CENTER},
      {std::string(kColumnCaptions[kColumnKind]), 80, LVCFMT_CENTER},
  };
  table_ = std::make_unique<Win32ListView>(control(L"超级列表框1"), columns);
  cells_ = std::make_unique<Win32ListViewCells>(*table_);

  // The entry-box procedure first, then the key-pressed event, which thus sees a key before it.
  hotkeyBox1_ = std::make_unique<Win32HotkeyBox>(control(L"热键框1"), L"热键框1");
  hotkeyBox2_ = std::make_unique<Win32HotkeyBox>(control(L"热键框2"), L"热键框2");
  for (Win32HotkeyBox* box : {hotkeyBox1_.get(), hotkeyBox2_.get()}) {
    box->setProcedure([this](HotkeyBoxControl& target, unsigned message, int key) {
      return app_.hotkeyBoxMessage(target, message, key);
    });
  }
  numberEditor_ = std::make_unique<Win32EditEditor>(control(L"编辑框1"));
  hotkeyEditor_ = std::make_unique<Win32EditEditor>(control(L"热键框2"));
  // The editor learns the height its text needs before the box takes its height on the form.
  kindEditor_ = std::make_unique<Win32ComboEditor>(control(L"组合框1"));
  setComboFieldHeight(control(L"组合框1"), 20);
  for (HWND editor :
       {control(L"编辑框1"), control(L"热键框2"), comboEditField(control(L"组合框1"))}) {
    editorKeys_.push_back(
        std::make_unique<EditorKeyEvents>(editor, [this](int key) { app_.editorKeyPressed(key); }));
  }

  link_ = std::make_unique<Hyperlink>(control(L"超级链接框1"), [this] { openPictureWindow(); });
  // 右键菜单
  rowMenu_ = std::make_unique<Win32ContextMenu>(
      window_, "\xD3\xD2\xBC\xFC\xB2\xCB\xB5\xA5",
      std::vector<std::string>{std::string(kDeleteSelectedRowsItem)});
  timer_ = std::make_unique<Win32PeriodTimer>(window_, kTimerId);
}

void MainWindow::created() {
  app_.mainWindowCreated({*table_,
                          hotkeyWindow_,
                          pointer_,
                          wait_,
                          dialogs_,
                          *recordBox_,
                          reinterpret_cast<WindowHandle>(window_),
                          *cells_,
                          {hotkeyBox1_.get(), hotkeyBox2_.get()},
                          *hotkeyBox2_,
                          *numberEditor_,
                          *hotkeyEditor_,
                          *kindEditor_,
                          *rowMenu_,
                          *timer_});
}

}  // namespace quintrel::win32
