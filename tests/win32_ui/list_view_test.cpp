#include "ui/win32/win32_list_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/wide_text.h"
#include "ui/win32/win32_list_view_cells.h"
#include "win32_ui_test_support.h"

namespace quintrel::win32 {
namespace {

// 热键 and 左键单击, as the table holds them.
const std::string kHotkeyTitle = "\xC8\xC8\xBC\xFC";
const std::string kLeftClick = "\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7";

// A shown top-level window holding an owner-data report list view, whose requests for texts it
// passes to the Win32ListView, as the main window does. A pop-up window: one with a frame would be
// the X window manager's, and Wine waits for it as the window goes.
class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::useCommonControls();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = hostProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuintrelListViewTestHost";
    RegisterClassW(&windowClass);
    host_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 500, 400, nullptr,
                            nullptr, windowClass.hInstance, nullptr);
    if (host_ == nullptr) GTEST_SKIP() << "no window could be made (no display?)";
    HWND list =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                        WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA, 0,
                        0, 392, 312, host_, nullptr, windowClass.hInstance, nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    table_ = std::make_unique<Win32ListView>(
        list, std::vector<ListColumn>{{"#", 50, LVCFMT_LEFT},
                                      {kHotkeyTitle, 150, LVCFMT_CENTER},
                                      {"x", 50, LVCFMT_CENTER},
                                      {"y", 50, LVCFMT_CENTER},
                                      {"type", 80, LVCFMT_CENTER}});
    SetWindowLongPtrW(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(table_.get()));
    ShowWindow(host_, SW_SHOWNOACTIVATE);
    test::pumpMessages();
  }
  void TearDown() override {
    if (host_ != nullptr) DestroyWindow(host_);
    test::pumpMessages();
  }

  static LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* table = reinterpret_cast<Win32ListView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NOTIFY && table != nullptr &&
        table->handleNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND list() const { return table_->handle(); }
  // What the control shows in a cell: it asks the table through its parent.
  std::wstring shown(int row, int column) const {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
  }
  void select(int row) const {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
  }
  std::vector<std::string> column(int index) const {
    std::vector<std::string> texts;
    for (int row = 0; row < table_->GetCount(); ++row)
      texts.push_back(table_->GetCaption(row, index));
    return texts;
  }
  int controlCount() const {
    return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0));
  }

  HWND host_ = nullptr;
  std::unique_ptr<Win32ListView> table_;
};

TEST_F(ListViewTest, KeepsRowsAsCodePage936AndShowsThemAsUnicode) {
  EXPECT_EQ(table_->GetColCount(), 5);
  EXPECT_EQ(table_->GetColCaption(1), kHotkeyTitle);
  EXPECT_EQ(table_->GetColCaption(5), "");
  for (const char* number : {"1", "2", "3"}) {
    const int row = table_->Insert(ListView::kAtEnd, number);
    table_->SetCaption(row, 1, std::string("Ctrl + ") + number);
    table_->SetCaption(row, 4, kLeftClick);
  }
  EXPECT_EQ(table_->Insert(1, "inserted"), 1);
  EXPECT_EQ(column(0), (std::vector<std::string>{"1", "inserted", "2", "3"}));
  EXPECT_EQ(table_->GetCaption(2, 4), kLeftClick);
  EXPECT_EQ(table_->GetCaption(9, 0), "");  // no such row
  table_->SetCaption(9, 0, "x");            // ignored
  table_->SetCaption(0, 7, "x");            // ignored
  EXPECT_EQ(controlCount(), 4);
  EXPECT_EQ(shown(2, 4), L"左键单击");
  EXPECT_EQ(shown(3, 1), L"Ctrl + 3");

  table_->Remove(0);
  table_->Remove(7);  // ignored
  EXPECT_EQ(column(0), (std::vector<std::string>{"inserted", "2", "3"}));
  EXPECT_EQ(controlCount(), 3);
}

TEST_F(ListViewTest, SelectionFollowsItsRowsAsRowsComeAndGo) {
  for (const char* number : {"0", "1", "2", "3", "4"}) table_->Insert(ListView::kAtEnd, number);
  EXPECT_TRUE(table_->GetSelItems().empty());
  select(1);
  select(3);
  EXPECT_EQ(table_->GetSelItems(), (std::vector<int>{1, 3}));

  table_->Remove(0);  // rows "1" and "3" move up
  EXPECT_EQ(table_->GetSelItems(), (std::vector<int>{0, 2}));
  table_->Insert(1, "new");  // row "3" moves down
  EXPECT_EQ(table_->GetSelItems(), (std::vector<int>{0, 3}));
  table_->Remove(3);  // a selected row goes with its selection
  EXPECT_EQ(table_->GetSelItems(), (std::vector<int>{0}));
  EXPECT_EQ(column(0), (std::vector<std::string>{"1", "new", "2", "4"}));
}

TEST_F(ListViewTest, RowsAddedWithoutRedrawReachTheControlWhenItResumes) {
  table_->SetRedraw(false);
  for (int row = 0; row < 1000; ++row) table_->Insert(ListView::kAtEnd, std::to_string(row + 1));
  EXPECT_EQ(table_->GetCount(), 1000);
  table_->SetRedraw(true);
  EXPECT_EQ(controlCount(), 1000);
  EXPECT_EQ(shown(999, 0), L"1000");
  // A removal while redraw is off counts the rows not yet shown too.
  table_->SetRedraw(false);
  table_->Insert(ListView::kAtEnd, "1001");
  table_->Remove(0);
  EXPECT_EQ(controlCount(), 1000);
  table_->SetRedraw(true);
  EXPECT_EQ(shown(999, 0), L"1001");
}

TEST_F(ListViewTest, CellFoundAtAPointHasARectangleHoldingThatPoint) {
  for (int row = 0; row < 5; ++row) table_->Insert(ListView::kAtEnd, std::to_string(row + 1));
  Win32ListViewCells cells(*table_);
  for (int row = 0; row < 5; row += 2) {
    for (int column = 0; column < 5; ++column) {
      SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
      const ClientRect rect = cells.cellRect({row, column});
      ASSERT_GT(rect.width(), 0);
      ASSERT_GT(rect.height(), 0);
      // The middle and the corners just inside.
      for (const ClientPoint point :
           {ClientPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
            ClientPoint{rect.left + 1, rect.top + 1},
            ClientPoint{rect.right - 2, rect.bottom - 2}}) {
        const CellAddress found = cells.cellAt(point);
        EXPECT_EQ(found, (CellAddress{row, column}));
        const ClientRect around = cells.cellRect(found);
        EXPECT_TRUE(point.x >= around.left && point.x < around.right && point.y >= around.top &&
                    point.y < around.bottom);
      }
    }
  }
  const ClientRect last = cells.cellRect({4, 1});
  EXPECT_FALSE(cells.cellAt({last.left + 5, last.bottom + 40}).isCell());  // below the rows
  EXPECT_FALSE(cells.cellAt({60, 2}).isCell());                            // the header

  POINT screen{10, 20};
  ClientToScreen(list(), &screen);
  EXPECT_EQ(cells.toClient({screen.x, screen.y}), (ClientPoint{10, 20}));
  cells.setCellText({2, 3}, "77");
  EXPECT_EQ(table_->GetCaption(2, 3), "77");
  EXPECT_EQ(shown(2, 3), L"77");
}

// The list view's messages reach the handler first; what it consumes goes no further.
TEST_F(ListViewTest, HandlerSeesTheEditorsMessagesBeforeTheControl) {
  struct Recorder final : ListViewMessageHandler {
    std::vector<unsigned> seen;
    bool consume = false;
    bool handleListViewMessage(unsigned message) override {
      seen.push_back(message);
      return consume;
    }
  } recorder;
  for (int row = 0; row < 100; ++row) table_->Insert(ListView::kAtEnd, std::to_string(row + 1));
  Win32ListViewCells cells(*table_);
  cells.setMessageHandler(&recorder);

  recorder.consume = true;
  SendMessageW(list(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageW(list(), LVM_GETTOPINDEX, 0, 0), 0);  // consumed: nothing scrolled
  recorder.consume = false;
  SendMessageW(list(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageW(list(), LVM_GETTOPINDEX, 0, 0), 1);
  SendMessageW(list(), WM_HSCROLL, SB_LINERIGHT, 0);
  SendMessageW(list(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageW(list(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 40));
  SendMessageW(list(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 40));  // not the editor's
  SetFocus(nullptr);
  SetFocus(list());
  EXPECT_EQ(recorder.seen, (std::vector<unsigned>{WM_VSCROLL, WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL,
                                                  WM_LBUTTONDBLCLK, WM_SETFOCUS}));

  cells.setMessageHandler(nullptr);
  recorder.seen.clear();
  SendMessageW(list(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_TRUE(recorder.seen.empty());
}

}  // namespace
}  // namespace quintrel::win32
