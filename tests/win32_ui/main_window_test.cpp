#include "ui/win32/main_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/fake/fake_input_hooks.h"
#include "test_support.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/picture_window.h"
#include "ui/win32/wide_text.h"
#include "win32_ui_test_support.h"

namespace quintrel::win32 {
namespace {

using test::fontOf;
using test::pumpMessages;
using test::rectInParent;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::useCommonControls();
    window_ = std::make_unique<MainWindow>(app_);
    if (!window_->exists()) GTEST_SKIP() << "no window could be made (no display?)";
    window_->created();
    window_->show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->handle());
    pumpMessages();
  }
  void TearDown() override {
    // The window goes before the Application, as in the program.
    window_.reset();
    pumpMessages();
  }

  HWND control(const wchar_t* name) const {
    HWND found = window_->control(name);
    EXPECT_NE(found, nullptr) << narrow(name);
    return found;
  }
  static void key(HWND target, UINT message, int virtualKey) {
    SendMessageW(target, message, static_cast<WPARAM>(virtualKey), 1);
  }

  ::quintrel::test::TempFolder folder_;
  FakeInputHooks hooks_;
  Application app_{folder_ / "hotkey.txt", hooks_};
  std::unique_ptr<MainWindow> window_;
};

struct ControlCase {
  const wchar_t* name;
  RECT rect;  // in the client area of the control's parent
  const wchar_t* text;
  bool visible;
  int fontHeight;  // 0: the system's default GUI font
};

TEST_F(MainWindowTest, HasEveryControlAtItsPlaceWithItsTextAndFont) {
  // The three in-place editors live in the list view from the window's creation on.
  const ControlCase cases[] = {
      {L"热键框1", {0, 0, 233, 32}, L"请按下热键", true, -12},
      {L"按钮1", {233, 0, 313, 32}, L"应用热键列表", true, -12},
      {L"按钮2", {313, 0, 393, 32}, L"卸载所有热键", true, -12},
      {L"按钮3", {396, 0, 476, 32}, L"鼠标记录开", true, -12},
      {L"按钮4", {476, 0, 556, 32}, L"鼠标记录关", true, -12},
      {L"按钮5", {556, 0, 636, 32}, L"添加到列表", true, -12},
      {L"超级列表框1", {0, 32, 392, 344}, L"", true, -12},
      {L"编辑框2", {392, 32, 640, 344}, L"", true, -12},
      {L"编辑框1", {8, 80, 88, 100}, L"", false, 0},
      {L"热键框2", {8, 112, 88, 132}, L"请按下热键", false, -12},
      {L"组合框1", {8, 144, 108, 164}, L"左键单击", false, -12},
      {L"标签1",
       {0, 344, 646, 361},
       L"本软件免费，如果您在别处花钱购买了此软件，请立即退款！",
       true,
       -14},
      {L"超级链接框1", {0, 361, 646, 391}, L"请作者喝杯咖啡", true, -14},
      {L"标签3",
       {0, 389, 646, 413},
       L"提示:热键可重复!双击表项修改!右键表项删除!列表自动读取保存!",
       true,
       -15},
  };
  HWND list = control(L"超级列表框1");
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(narrow(c.name));
    HWND target = control(c.name);
    ASSERT_NE(target, nullptr);
    const bool editor = !c.visible;
    EXPECT_EQ(GetParent(target), editor ? list : window_->handle());
    const RECT rect = rectInParent(target);
    EXPECT_EQ(rect.left, c.rect.left);
    EXPECT_EQ(rect.top, c.rect.top);
    EXPECT_EQ(rect.right, c.rect.right);
    EXPECT_EQ(rect.bottom, c.rect.bottom);
    EXPECT_EQ(IsWindowVisible(target) != FALSE, c.visible);
    EXPECT_EQ(windowText(target), c.text);
    const test::FontOf font = fontOf(target);
    if (c.fontHeight == 0) {
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(target, WM_GETFONT, 0, 0)),
                GetStockObject(DEFAULT_GUI_FONT));
    } else {
      EXPECT_EQ(font.face, L"微软雅黑");
      EXPECT_EQ(font.height, c.fontHeight);
      EXPECT_EQ(font.charSet, GB2312_CHARSET);
    }
  }
  HWND combo = control(L"组合框1");
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & CBS_DROPDOWNLIST, CBS_DROPDOWN);
  EXPECT_NE(GetWindowLongPtrW(control(L"热键框1"), GWL_STYLE) & ES_CENTER, 0);
  const LONG_PTR recordStyle = GetWindowLongPtrW(control(L"编辑框2"), GWL_STYLE);
  EXPECT_EQ(recordStyle & (ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
            ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL);
  EXPECT_EQ(recordStyle & ES_READONLY, 0);
  // The entry boxes are read-only: only the program writes them.
  EXPECT_NE(GetWindowLongPtrW(control(L"热键框1"), GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(window_->timer().period(), 0);
}

TEST_F(MainWindowTest, IsAFixedWindowWithoutMaximizeOrMenuBar) {
  HWND window = window_->handle();
  EXPECT_EQ(windowText(window), L"Quintrel V2.0 作者:Morvane");
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 640);
  EXPECT_EQ(client.bottom, 429);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(GetMenu(window), nullptr);

  // "右键菜单" exists only as the pop-up's holder.
  const HMENU menu = window_->rowMenu().menu();
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  wchar_t text[64] = {};
  GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"右键菜单");
  const HMENU popup = window_->rowMenu().popup();
  EXPECT_EQ(GetSubMenu(menu, 0), popup);
  ASSERT_EQ(GetMenuItemCount(popup), 1);
  GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"删除选中项");
  EXPECT_EQ(GetMenuState(popup, 0, MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED), 0u);

  // The background drags the window; the controls keep their clicks.
  POINT background{320, 425};
  ClientToScreen(window, &background);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(background.x, background.y)),
            HTCAPTION);
}

TEST_F(MainWindowTest, ListViewHasTheFiveColumnsAndNeverSortsOrEdits) {
  HWND list = control(L"超级列表框1");
  const struct {
    const wchar_t* title;
    int width;
    int format;
  } columns[] = {{L"#", 50, LVCFMT_LEFT},
                 {L"热键", 150, LVCFMT_CENTER},
                 {L"x", 50, LVCFMT_CENTER},
                 {L"y", 50, LVCFMT_CENTER},
                 {L"类型", 80, LVCFMT_CENTER}};
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 5);
  for (int index = 0; index < 5; ++index) {
    SCOPED_TRACE(index);
    wchar_t title[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = title;
    column.cchTextMax = 32;
    ASSERT_NE(SendMessageW(list, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column)), 0);
    EXPECT_STREQ(title, columns[index].title);
    EXPECT_EQ(column.cx, columns[index].width);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, columns[index].format);
  }
  const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(style & (LVS_SINGLESEL | LVS_EDITLABELS | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER |
                     LVS_SORTASCENDING | LVS_SORTDESCENDING),
            0);
  EXPECT_NE(GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  const LRESULT extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_NE(extended & LVS_EX_FULLROWSELECT, 0);
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES), 0);
}

TEST_F(MainWindowTest, TabMovesTheFocusAndEnterStaysInTheRecordBox) {
  HWND hotkeyBox = control(L"热键框1");
  HWND applyButton = control(L"按钮1");
  HWND recordBox = control(L"编辑框2");
  auto press = [&](HWND target, int virtualKey) {
    MSG message{target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, 0, {}};
    return window_->preTranslate(message);
  };

  SetFocus(hotkeyBox);
  EXPECT_TRUE(press(hotkeyBox, VK_TAB));
  EXPECT_EQ(GetFocus(), applyButton);
  test::setKeyHeld(VK_SHIFT, true);
  EXPECT_TRUE(press(applyButton, VK_TAB));
  test::setKeyHeld(VK_SHIFT, false);
  EXPECT_EQ(GetFocus(), hotkeyBox);
  // Shift + Tab from the first control goes round to the last that takes the focus.
  test::setKeyHeld(VK_SHIFT, true);
  EXPECT_TRUE(press(hotkeyBox, VK_TAB));
  test::setKeyHeld(VK_SHIFT, false);
  EXPECT_EQ(GetFocus(), recordBox);

  // Ctrl + Tab reaches the control (an entry box makes it a hotkey); Enter and Esc are the
  // controls' own.
  SetFocus(hotkeyBox);
  test::setKeyHeld(VK_CONTROL, true);
  EXPECT_FALSE(press(hotkeyBox, VK_TAB));
  test::setKeyHeld(VK_CONTROL, false);
  EXPECT_FALSE(press(recordBox, VK_RETURN));
  EXPECT_FALSE(press(recordBox, VK_ESCAPE));
  EXPECT_FALSE(press(hotkeyBox, VK_ESCAPE));
}

TEST_F(MainWindowTest, HotkeyTypedIntoTheFirstEntryBoxAddsARow) {
  HWND box = control(L"热键框1");
  SetFocus(box);
  key(box, WM_KEYDOWN, VK_CONTROL);
  EXPECT_EQ(windowText(box), L"Ctrl + ");
  key(box, WM_KEYDOWN, 'A');
  EXPECT_EQ(windowText(box), L"Ctrl + A");
  EXPECT_EQ(GetFocus(), nullptr);  // the completed box gave up the focus
  key(box, WM_KEYUP, 'A');
  key(box, WM_KEYUP, VK_CONTROL);
  EXPECT_EQ(windowText(box), L"Ctrl + A");

  const ListView& table = window_->table();
  ASSERT_EQ(table.GetCount(), 1);
  EXPECT_EQ(table.GetCaption(0, 0), "1");
  EXPECT_EQ(table.GetCaption(0, 1), "Ctrl + A");
  EXPECT_EQ(table.GetCaption(0, 4), narrow(L"左键单击"));
  // The control shows the row as the table holds it.
  wchar_t shown[32] = {};
  LVITEMW item{};
  item.iSubItem = 4;
  item.pszText = shown;
  item.cchTextMax = 32;
  SendMessageW(control(L"超级列表框1"), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(shown, L"左键单击");
}

TEST_F(MainWindowTest, DoubleClickedCellIsEditedInPlaceAndEnterStoresIt) {
  Win32ListView& table = window_->table();
  const int row = table.Insert(ListView::kAtEnd, "1");
  table.SetCaption(row, 1, "F5");
  table.SetCaption(row, 2, "100");
  table.SetCaption(row, 4, narrow(L"左键单击"));
  Win32ListViewCells& cells = window_->cells();
  HWND list = cells.handle();
  const struct {
    int column;
    const wchar_t* editor;
    const wchar_t* shown;   // the cell's text, in the editor
    const wchar_t* typed;   // characters typed over it
    const wchar_t* stored;  // what the cell holds after Enter
    bool listFocused;       // after Enter; the entry box takes Enter as its hotkey, then lets go
    bool exactHeight;       // a combo box's field may need more height than a row has
  } cases[] = {
      {2, L"编辑框1", L"100", L"4|2\r\n", L"42", true, true},
      {4, L"组合框1", L"左键单击", L"右|键\r单击", L"右键单击", true, false},
      // The entry box takes no typing; Enter stores what it shows.
      {1, L"热键框2", L"F5", L"", L"F5", false, true},
  };

  for (const auto& c : cases) {
    SCOPED_TRACE(narrow(c.editor));
    const ClientRect cell = cells.cellRect({row, c.column});
    ASSERT_GT(cell.width(), 0);
    POINT inside{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(list, &inside);
    ASSERT_TRUE(test::moveCursorTo(inside));

    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    HWND editor = control(c.editor);
    ASSERT_TRUE(IsWindowVisible(editor));
    const RECT placed = rectInParent(editor);
    EXPECT_EQ(placed.left, cell.left);
    EXPECT_EQ(placed.top, cell.top);
    EXPECT_EQ(placed.right, cell.right);
    if (c.exactHeight) {
      EXPECT_EQ(placed.bottom, cell.bottom);
    } else {
      EXPECT_GE(placed.bottom, cell.bottom);
    }
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == editor || GetParent(focus) == editor);
    EXPECT_EQ(windowText(editor), c.shown);

    // Typed over the selected text; separators never reach the cell.
    for (const wchar_t* typed = c.typed; *typed != L'\0'; ++typed) {
      SendMessageW(focus, WM_CHAR, *typed, 1);
    }
    key(focus, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(table.GetCaption(row, c.column), narrow(c.stored));
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(GetFocus(), c.listFocused ? list : nullptr);
  }
}

TEST_F(MainWindowTest, TimerAppliesOnceAndStops) {
  window_->timer().setPeriod(500);
  EXPECT_EQ(window_->timer().period(), 500);
  SendMessageW(window_->handle(), WM_TIMER, kTimerId, 0);
  EXPECT_EQ(window_->timer().period(), 0);
}

TEST_F(MainWindowTest, ClosingSavesTheTableAndEndsTheLoop) {
  Win32ListView& table = window_->table();
  table.SetCaption(table.Insert(ListView::kAtEnd, "1"), 1, "F5");
  SendMessageW(window_->handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(window_->exists());
  EXPECT_EQ(::quintrel::test::readBytes(folder_ / "hotkey.txt"), "1|F5||||\r\n");
  MSG quit{};
  EXPECT_NE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE);
}

TEST_F(MainWindowTest, PictureWindowShowsThePictureBesideTheProgram) {
  UiFonts fonts;
  const PictureWindow picture(window_->handle(), fonts);
  ASSERT_NE(picture.handle(), nullptr);
  RECT outer{};
  GetWindowRect(picture.handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 910);
  EXPECT_EQ(outer.bottom - outer.top, 480);
  EXPECT_EQ(windowText(picture.handle()), L"");
  EXPECT_EQ(GetWindow(picture.handle(), GW_OWNER), window_->handle());
  const RECT box = rectInParent(picture.pictureBox());
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 902);
  EXPECT_EQ(box.bottom, 476);
  EXPECT_TRUE(picture.showsPicture()) << narrow(PictureWindow::picturePath().wstring());
}

}  // namespace
}  // namespace quintrel::win32
