// The pointer on the system's own cursor and input.
#include "platform/win32/win32_pointer.h"

#include <gtest/gtest.h>

#include <vector>

#include "system_session.h"

namespace quintrel::test {
namespace {

TEST(Win32Pointer, CursorGoesWhereItIsSet) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (width <= 0 || height <= 0) GTEST_SKIP() << "no screen here";
  Win32Pointer pointer;
  for (const ScreenPoint at :
       {ScreenPoint{0, 0}, ScreenPoint{17, 23}, ScreenPoint{width / 2, height / 3},
        ScreenPoint{width - 1, height - 1}}) {
    pointer.setCursorPosition(at);
    EXPECT_EQ(pointer.cursorPosition(), at) << at.x << ", " << at.y;
  }
}

struct ClickCase {
  MouseButton button;
  UINT down;
  UINT up;
};

class Win32PointerClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(Win32PointerClick, ReachesTheWindowUnderTheCursorAsPressAndRelease) {
  TestWindow window;
  if (window.handle() == nullptr) GTEST_SKIP() << "no window can be made here (no display)";
  Win32Pointer pointer;
  const ScreenPoint at = window.center();
  pointer.setCursorPosition(at);
  pumpWaiting();
  window.received.clear();

  pointer.click(GetParam().button);
  ASSERT_TRUE(pumpUntil([&] { return window.received.size() >= 2; }));
  POINT client{at.x, at.y};
  ScreenToClient(window.handle(), &client);
  const LPARAM where = MAKELPARAM(client.x, client.y);
  EXPECT_EQ(window.received[0].message, GetParam().down);
  EXPECT_EQ(window.received[0].lParam, where);
  EXPECT_EQ(window.received[1].message, GetParam().up);
  EXPECT_EQ(window.received[1].lParam, where);
  EXPECT_EQ(pointer.cursorPosition(), at);  // a click does not move the cursor
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Win32PointerClick,
    ::testing::Values(ClickCase{MouseButton::Left, WM_LBUTTONDOWN, WM_LBUTTONUP},
                      ClickCase{MouseButton::Right, WM_RBUTTONDOWN, WM_RBUTTONUP}));

}  // namespace
}  // namespace quintrel::test
