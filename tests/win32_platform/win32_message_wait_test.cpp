// Waiting with messages on the system's own queue: what is dispatched during a wait, and the two
// ways a wait ends early (stop, WM_QUIT).
#include "platform/win32/win32_message_wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "system_session.h"

namespace quintrel::test {
namespace {

constexpr UINT kPassed = WM_APP;
constexpr UINT kKeptBack = WM_APP + 1;
constexpr UINT kStop = WM_APP + 2;
constexpr UINT kWaitInside = WM_APP + 3;
// Longer than any test takes when it passes: a wait that runs its full length here has missed
// what should have ended it, and then returns true.
constexpr int kLongWait = 10'000;

class Win32MessageWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (window.handle() == nullptr) GTEST_SKIP() << "no window can be made here (no display)";
    window.onMessage = [this](const ReceivedMessage& message) {
      if (message.message == kStop) wait.stop();
      if (message.message == kWaitInside) {
        PostMessageW(window.handle(), kStop, 0, 0);
        innerResults.push_back(wait.waitWithMessages(kLongWait));
      }
    };
  }
  void post(UINT message, WPARAM wParam = 0) { PostMessageW(window.handle(), message, wParam, 0); }
  std::vector<UINT> receivedMessages() const {
    std::vector<UINT> messages;
    for (const ReceivedMessage& message : window.received) messages.push_back(message.message);
    return messages;
  }

  TestWindow window;
  Win32MessageWait wait;
  std::vector<bool> innerResults;
};

TEST_F(Win32MessageWaitTest, DispatchesWaitingMessagesThroughThePreTranslateHookAndWaitsOn) {
  std::vector<UINT> seen;
  wait.setPreTranslate([&](MSG& message) {
    if (message.hwnd != window.handle()) return false;
    seen.push_back(message.message);
    return message.message == kKeptBack;
  });
  post(kPassed, 1);
  post(kKeptBack);
  post(kPassed, 2);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(wait.waitWithMessages(300));
  // Dispatching does not end the wait; the margin is for coarse clocks only.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
  EXPECT_EQ(seen, (std::vector<UINT>{kPassed, kKeptBack, kPassed}));
  EXPECT_EQ(window.received, (std::vector<ReceivedMessage>{{kPassed, 1, 0}, {kPassed, 2, 0}}));
}

TEST_F(Win32MessageWaitTest, AMessageThatArrivesDuringTheWaitIsDispatchedAtOnce) {
  // The timer's message comes well inside the wait, and its handler ends the wait.
  window.onMessage = [this](const ReceivedMessage& message) {
    if (message.message == WM_TIMER) {
      KillTimer(window.handle(), message.wParam);
      wait.stop();
    }
  };
  ASSERT_NE(SetTimer(window.handle(), 1, USER_TIMER_MINIMUM, nullptr), 0u);
  EXPECT_FALSE(wait.waitWithMessages(kLongWait));
  EXPECT_EQ(receivedMessages(), std::vector<UINT>{WM_TIMER});
}

TEST_F(Win32MessageWaitTest, StopEndsTheWaitsUnderWayAndEveryLaterWait) {
  // The outer wait dispatches kWaitInside, whose handler waits again; inside that inner wait the
  // handler of kStop stops: both end false, and so does every wait after them.
  post(kWaitInside);
  EXPECT_FALSE(wait.waitWithMessages(kLongWait));
  EXPECT_EQ(innerResults, std::vector<bool>{false});
  EXPECT_TRUE(wait.stopped());

  post(kPassed);
  EXPECT_FALSE(wait.waitWithMessages(kLongWait));
  EXPECT_EQ(receivedMessages(), (std::vector<UINT>{kWaitInside, kStop}));
  pumpWaiting();
}

TEST_F(Win32MessageWaitTest, WmQuitEndsTheWaitAndStaysInTheQueue) {
  post(kPassed);
  PostQuitMessage(3);
  EXPECT_FALSE(wait.waitWithMessages(kLongWait));
  EXPECT_EQ(receivedMessages(), std::vector<UINT>{kPassed});

  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(quit.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(quit.wParam, 3u);
  // Nothing was kept of it: with WM_QUIT gone, waits last their time again.
  EXPECT_TRUE(wait.waitWithMessages(10));
}

}  // namespace
}  // namespace quintrel::test
