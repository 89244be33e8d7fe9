// The system's input hooks: installed hooks see injected input with the system's records, pass
// it on or swallow it, and never run once removed.
#include "platform/win32/win32_input_hooks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/win32/win32_pointer.h"
#include "system_session.h"

namespace quintrel::test {
namespace {

// What a hook procedure saw of one event.
struct SeenEvent {
  int code = 0;
  std::uintptr_t wParam = 0;   // the message; for thread keyboard hooks the key
  ScreenPoint at;              // mouse records
  std::uint32_t key = 0;       // low-level key records: the virtual key
  WindowHandle window = 0;     // thread mouse records
  bool injected = false;       // low-level records
  std::intptr_t keyFlags = 0;  // thread keyboard hooks: lParam
};

// A hook procedure that logs what it sees and passes every event on, or swallows the mouse
// buttons' events when asked to.
class LoggingHook {
 public:
  LoggingHook(Win32InputHooks& hooks, int kind) : hooks_(hooks), kind_(kind) {}

  HookHandle install(std::uint32_t thread = 0) {
    handle = hooks_.setHook(
        kind_,
        [this](int code, std::uintptr_t wParam, std::intptr_t lParam) {
          return see(code, wParam, lParam);
        },
        thread);
    return handle;
  }
  bool saw(std::uintptr_t message) const {
    for (const SeenEvent& event : events) {
      if (event.wParam == message) return true;
    }
    return false;
  }
  // The events of the given messages only, in order.
  std::vector<SeenEvent> of(std::initializer_list<std::uintptr_t> messages) const {
    std::vector<SeenEvent> found;
    for (const SeenEvent& event : events) {
      for (const std::uintptr_t message : messages) {
        if (event.wParam == message) found.push_back(event);
      }
    }
    return found;
  }

  HookHandle handle = 0;
  std::vector<SeenEvent> events;
  bool swallowButtons = false;

 private:
  std::intptr_t see(int code, std::uintptr_t wParam, std::intptr_t lParam) {
    SeenEvent event{code, wParam, {}, 0, 0, false, 0};
    switch (kind_) {
      case hook::kMouseLowLevel: {
        hook::LowLevelMouseRecord record;
        std::memcpy(&record, reinterpret_cast<const void*>(lParam), sizeof record);
        event.at = {record.x, record.y};
        event.injected = (record.flags & LLMHF_INJECTED) != 0;
        break;
      }
      case hook::kKeyboardLowLevel: {
        hook::LowLevelKeyRecord record;
        std::memcpy(&record, reinterpret_cast<const void*>(lParam), sizeof record);
        event.key = record.virtualKey;
        event.injected = (record.flags & LLKHF_INJECTED) != 0;
        break;
      }
      case hook::kMouse: {
        hook::ThreadMouseRecord record;
        std::memcpy(&record, reinterpret_cast<const void*>(lParam), sizeof record);
        event.at = {record.x, record.y};
        event.window = record.window;
        break;
      }
      default:
        event.keyFlags = lParam;
        break;
    }
    events.push_back(event);
    const bool button = wParam >= WM_LBUTTONDOWN && wParam <= WM_MBUTTONDBLCLK;
    if (swallowButtons && button) return 1;
    return hooks_.callNextHook(handle, code, wParam, lParam);
  }

  Win32InputHooks& hooks_;
  int kind_;
};

class Win32InputHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (window.handle() == nullptr) GTEST_SKIP() << "no window can be made here (no display)";
    pointer.setCursorPosition(window.center());
    pumpWaiting();
    window.received.clear();
  }
  // Clicks the left button over the window and waits until the newest hook has seen the release.
  bool clickSeenBy(const LoggingHook& newest) {
    pointer.click(MouseButton::Left);
    return pumpUntil([&] { return newest.saw(WM_LBUTTONUP); });
  }

  TestWindow window;
  Win32Pointer pointer;
  Win32InputHooks hooks;
};

TEST_F(Win32InputHooksTest, LowLevelMouseHooksSeeAClickInOrderAndNotOnceRemoved) {
  LoggingHook older(hooks, hook::kMouseLowLevel);
  LoggingHook newer(hooks, hook::kMouseLowLevel);
  ASSERT_NE(older.install(), 0u);
  ASSERT_NE(newer.install(), 0u);

  ASSERT_TRUE(clickSeenBy(newer));
  for (const LoggingHook* hook : {&newer, &older}) {
    const auto buttons = hook->of({WM_LBUTTONDOWN, WM_LBUTTONUP});
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].wParam, static_cast<std::uintptr_t>(WM_LBUTTONDOWN));
    for (const SeenEvent& event : buttons) {
      EXPECT_EQ(event.code, hook::kAction);
      EXPECT_EQ(event.at, window.center());
      EXPECT_TRUE(event.injected);
    }
  }
  // Passed on by both hooks, the click reached the window.
  EXPECT_TRUE(pumpUntil([&] { return window.received.size() >= 2; }));

  EXPECT_TRUE(hooks.unhook(older.handle));
  EXPECT_FALSE(hooks.unhook(older.handle));
  older.events.clear();
  newer.events.clear();
  ASSERT_TRUE(clickSeenBy(newer));
  EXPECT_TRUE(older.events.empty());
}

TEST_F(Win32InputHooksTest, AClickALowLevelHookSwallowsNeverReachesTheWindow) {
  auto swallower = std::make_unique<LoggingHook>(hooks, hook::kMouseLowLevel);
  swallower->swallowButtons = true;
  ASSERT_NE(swallower->install(), 0u);
  ASSERT_TRUE(clickSeenBy(*swallower));
  ASSERT_TRUE(hooks.unhook(swallower->handle));

  // The next click, with nothing in the way, is the first the window gets.
  LoggingHook watcher(hooks, hook::kMouseLowLevel);
  ASSERT_NE(watcher.install(), 0u);
  ASSERT_TRUE(clickSeenBy(watcher));
  ASSERT_TRUE(pumpUntil([&] { return window.received.size() >= 2; }));
  EXPECT_EQ(window.received.size(), 2u);
}

TEST_F(Win32InputHooksTest, ALowLevelKeyboardHookSeesInjectedKeys) {
  LoggingHook keys(hooks, hook::kKeyboardLowLevel);
  ASSERT_NE(keys.install(), 0u);
  sendKeys({{VK_F13, false}, {VK_F13, true}});
  ASSERT_TRUE(pumpUntil([&] { return keys.saw(WM_KEYUP); }));
  const auto strokes = keys.of({WM_KEYDOWN, WM_KEYUP});
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0].wParam, static_cast<std::uintptr_t>(WM_KEYDOWN));
  for (const SeenEvent& stroke : strokes) {
    EXPECT_EQ(stroke.key, static_cast<std::uint32_t>(VK_F13));
    EXPECT_TRUE(stroke.injected);
  }
}

TEST_F(Win32InputHooksTest, AThreadMouseHookSeesClicksOnTheThreadsWindows) {
  const std::uint32_t thread = hooks.windowThread(reinterpret_cast<WindowHandle>(window.handle()));
  EXPECT_EQ(thread, GetCurrentThreadId());
  LoggingHook mouse(hooks, hook::kMouse);
  ASSERT_NE(mouse.install(thread), 0u);

  ASSERT_TRUE(clickSeenBy(mouse));
  const auto buttons = mouse.of({WM_LBUTTONDOWN, WM_LBUTTONUP});
  ASSERT_EQ(buttons.size(), 2u);
  for (const SeenEvent& event : buttons) {
    EXPECT_GE(event.code, 0);
    EXPECT_EQ(event.at, window.center());
    EXPECT_EQ(event.window, reinterpret_cast<WindowHandle>(window.handle()));
  }
}

TEST_F(Win32InputHooksTest, AThreadKeyboardHookSeesKeysOfTheThreadsWindows) {
  // Keys go to the focused window.
  TestWindow focused(TestWindow::Focus::Take);
  if (GetFocus() != focused.handle()) GTEST_SKIP() << "the test window did not get the focus";
  LoggingHook keys(hooks, hook::kKeyboard);
  ASSERT_NE(keys.install(GetCurrentThreadId()), 0u);
  sendKeys({{'Q', false}, {'Q', true}});
  ASSERT_TRUE(pumpUntil([&] { return keys.events.size() >= 2; }));
  // wParam is the key; bit 31 of lParam tells the release.
  constexpr std::intptr_t kKeyGoesUp = std::intptr_t{1} << 31;
  EXPECT_EQ(keys.events[0].wParam, static_cast<std::uintptr_t>('Q'));
  EXPECT_EQ(keys.events[0].keyFlags & kKeyGoesUp, 0);
  EXPECT_EQ(keys.events[1].wParam, static_cast<std::uintptr_t>('Q'));
  EXPECT_EQ(keys.events[1].keyFlags & kKeyGoesUp, kKeyGoesUp);
}

TEST_F(Win32InputHooksTest, RefusesWhatNoHookCanBeAndWhenEverySlotIsTaken) {
  const auto procedure = [](int, std::uintptr_t, std::intptr_t) -> std::intptr_t { return 0; };
  const std::uint32_t self = GetCurrentThreadId();
  struct Refused {
    int kind;
    std::uint32_t thread;
  };
  // Thread-bound kinds for the whole desktop, desktop-wide kinds for one thread, no kind at all.
  for (const Refused refused :
       {Refused{hook::kMouse, 0}, Refused{hook::kKeyboard, 0}, Refused{hook::kMouseLowLevel, self},
        Refused{hook::kKeyboardLowLevel, self}, Refused{99, 0}}) {
    EXPECT_EQ(hooks.setHook(refused.kind, procedure, refused.thread), 0u)
        << refused.kind << " on " << refused.thread;
  }
  EXPECT_EQ(hooks.setHook(hook::kMouseLowLevel, HookProcedure{}, 0), 0u);

  std::vector<HookHandle> installed;
  for (std::size_t slot = 0; slot < Win32InputHooks::kSlotCount; ++slot) {
    installed.push_back(hooks.setHook(hook::kMouse, procedure, self));
    EXPECT_NE(installed.back(), 0u);
  }
  EXPECT_EQ(hooks.setHook(hook::kMouse, procedure, self), 0u);
  EXPECT_TRUE(hooks.unhook(installed.front()));
  EXPECT_NE(hooks.setHook(hook::kMouse, procedure, self), 0u);
}

TEST_F(Win32InputHooksTest, AReleasedObjectsHooksAreGoneAndTheirSlotsFree) {
  std::vector<std::unique_ptr<LoggingHook>> released;
  {
    Win32InputHooks owner;
    for (std::size_t slot = 0; slot < Win32InputHooks::kSlotCount; ++slot) {
      released.push_back(std::make_unique<LoggingHook>(owner, hook::kMouseLowLevel));
      ASSERT_NE(released.back()->install(), 0u);
    }
  }
  std::vector<std::unique_ptr<LoggingHook>> current;
  for (std::size_t slot = 0; slot < Win32InputHooks::kSlotCount; ++slot) {
    current.push_back(std::make_unique<LoggingHook>(hooks, hook::kMouseLowLevel));
    ASSERT_NE(current.back()->install(), 0u);
  }
  ASSERT_TRUE(clickSeenBy(*current.back()));
  for (const auto& hook : current) EXPECT_TRUE(hook->saw(WM_LBUTTONUP));
  for (const auto& hook : released) EXPECT_TRUE(hook->events.empty());
}

}  // namespace
}  // namespace quintrel::test
