#include "recording/mouse_hook.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/fake_input_hooks.h"
#include "recording/hook_codes.h"

namespace quintrel {
namespace {

using Call = std::array<std::int32_t, 3>;
using NextHookCall = FakeInputHooks::NextHookCall;

constexpr WindowHandle kMainWindow = 0x5000;
constexpr std::uint32_t kGuiThread = 77;
constexpr std::uint32_t kVkA = 0x41;

std::intptr_t address(const void* record) { return reinterpret_cast<std::intptr_t>(record); }

class MouseHookTest : public ::testing::Test {
 protected:
  MouseHookTest() {
    system_.windowThreads[kMainWindow] = kGuiThread;
    system_.nextHookResult = 42;
  }

  HookCallback recordingCallback() {
    return [this](std::int32_t a, std::int32_t b, std::int32_t c) {
      calls_.push_back({a, b, c});
      return result_;
    };
  }
  // Delivers an event to hook as the system would and returns what the system gets back.
  std::intptr_t deliver(HookHandle hook, int code, std::uintptr_t message, std::intptr_t lParam) {
    std::intptr_t result = -99;
    EXPECT_TRUE(system_.deliver(hook, code, message, lParam, result));
    return result;
  }
  std::intptr_t mouseEvent(HookHandle hook, std::uintptr_t message, std::uint32_t mouseData = 0,
                           int code = hook::kAction) {
    hook::LowLevelMouseRecord record;
    record.mouseData = mouseData;
    return deliver(hook, code, message, address(&record));
  }

  FakeInputHooks system_;
  std::unique_ptr<MouseHook> hook_ = std::make_unique<MouseHook>(system_);
  std::vector<Call> calls_;
  std::int32_t result_ = 0;
};

TEST_F(MouseHookTest, ADesktopMouseHookPassesEveryEventOnUnlessTheCallbackAnswersExactlyOne) {
  const HookHandle handle = hook_->installMouseHook(0, recordingCallback());
  ASSERT_NE(handle, 0u);
  EXPECT_EQ(system_.setHookCalls, (std::vector<FakeInputHooks::SetHookCall>{{14, 0}}));
  EXPECT_EQ(hook_->mouse().hook, handle);

  hook::LowLevelMouseRecord wheel;
  wheel.mouseData = 120u << 16;
  EXPECT_EQ(deliver(handle, hook::kAction, msg::kWmMouseWheel, address(&wheel)), 42);
  EXPECT_EQ(mouseEvent(handle, msg::kWmMouseMove), 42);
  EXPECT_EQ(calls_, (std::vector<Call>{{4, 4, 0}, {0, 0, 0}}));
  EXPECT_EQ(system_.nextHookCalls.front(),
            (NextHookCall{handle, 0, msg::kWmMouseWheel, address(&wheel)}));

  for (const std::int32_t result : {2, -1, 0}) {
    result_ = result;
    EXPECT_EQ(mouseEvent(handle, msg::kWmLButtonDown), 42) << result;
  }
  const std::size_t passedOn = system_.nextHookCalls.size();
  result_ = 1;
  EXPECT_EQ(mouseEvent(handle, msg::kWmRButtonUp), 1);
  EXPECT_EQ(system_.nextHookCalls.size(), passedOn);  // swallowed: no later hook sees it

  // Notifications that carry no event go straight on.
  calls_.clear();
  EXPECT_EQ(mouseEvent(handle, msg::kWmLButtonDown, 0, 3), 42);
  EXPECT_EQ(deliver(handle, hook::kAction, msg::kWmLButtonDown, 0), 42);
  EXPECT_TRUE(calls_.empty());
}

TEST_F(MouseHookTest, AThreadBoundMouseHookSeesButtonsOnlyAndActsOnEveryCodeFromZero) {
  const HookHandle handle = hook_->installMouseHook(kMainWindow, recordingCallback(), false);
  EXPECT_EQ(system_.setHookCalls, (std::vector<FakeInputHooks::SetHookCall>{{7, kGuiThread}}));
  hook::ThreadMouseRecord record;
  deliver(handle, hook::kAction, msg::kWmMouseWheel, address(&record));
  deliver(handle, 3, msg::kWmMButtonUp, address(&record));
  deliver(handle, -1, msg::kWmLButtonDown, address(&record));
  EXPECT_EQ(calls_, (std::vector<Call>{{0, 0, 0}, {3, 2, 0}}));
  EXPECT_EQ(system_.nextHookCalls.size(), 3u);
}

TEST_F(MouseHookTest, KeyboardHooksReportTheMessageAndTheVirtualKey) {
  const HookHandle lowLevel = hook_->installKeyboardHook(0, recordingCallback());
  hook::LowLevelKeyRecord key;
  key.virtualKey = kVkA;
  for (const std::uintptr_t message :
       {msg::kWmKeyDown, msg::kWmSysKeyDown, msg::kWmSysKeyUp, msg::kWmKeyUp, msg::kWmChar}) {
    EXPECT_EQ(deliver(lowLevel, hook::kAction, message, address(&key)), 42);
  }
  // Alt+F4 and other keys with Alt held pass on unseen.
  EXPECT_EQ(calls_, (std::vector<Call>{{0x100, 0x41, 0}, {0x101, 0x41, 0}, {0x102, 0x41, 0}}));

  calls_.clear();
  const HookHandle threadBound =
      hook_->installKeyboardHook(kMainWindow, recordingCallback(), false);
  EXPECT_EQ(system_.setHookCalls.back(), (FakeInputHooks::SetHookCall{2, kGuiThread}));
  result_ = 1;
  EXPECT_EQ(deliver(threadBound, hook::kAction, kVkA, static_cast<std::int32_t>(0xC01E0001u)), 1);
  EXPECT_EQ(deliver(threadBound, hook::kAction, kVkA, 0x001E0001), 1);
  EXPECT_EQ(calls_, (std::vector<Call>{{0x101, 0x41, 0}, {0x100, 0x41, 0}}));
}

TEST_F(MouseHookTest, ARefusedInstallKeepsTheCallbackAndLeavesNothingToRemove) {
  system_.refuseHooks = true;
  EXPECT_EQ(hook_->installMouseHook(0, recordingCallback()), 0u);
  EXPECT_EQ(hook_->mouse().hook, 0u);
  EXPECT_TRUE(hook_->mouse().callback);
  // A window that does not exist has no thread to bind to: no hook, rather than a desktop-wide one.
  system_.refuseHooks = false;
  EXPECT_EQ(hook_->installKeyboardHook(0x9999, recordingCallback(), false), 0u);
  EXPECT_EQ(system_.setHookCalls.size(), 1u);

  EXPECT_EQ(hook_->uninstall(), 0);
  EXPECT_TRUE(system_.unhookCalls.empty());
}

TEST_F(MouseHookTest, UninstallWithAHandleLeavesTheRecordsForTheNextFullUninstall) {
  const HookHandle keyboard = hook_->installKeyboardHook(0, recordingCallback());
  const HookHandle mouse = hook_->installMouseHook(0, recordingCallback());

  EXPECT_EQ(hook_->uninstall(mouse), 1);
  EXPECT_EQ(hook_->mouse().hook, mouse);
  EXPECT_EQ(hook_->uninstall(mouse), 0);  // gone already

  // Keyboard first, then mouse; the result is the mouse's, which failed.
  EXPECT_EQ(hook_->uninstall(), 0);
  EXPECT_EQ(system_.unhookCalls, (std::vector<HookHandle>{mouse, mouse, keyboard, mouse}));
  EXPECT_EQ(hook_->keyboard().hook, 0u);
  EXPECT_EQ(hook_->mouse().hook, 0u);
  EXPECT_TRUE(hook_->mouse().callback);  // callbacks stay
  EXPECT_TRUE(system_.hooks.empty());

  EXPECT_EQ(hook_->uninstall(), 0);
  EXPECT_EQ(system_.unhookCalls.size(), 4u);

  hook_->installMouseHook(0, recordingCallback());
  EXPECT_EQ(hook_->uninstall(), 1);
}

TEST_F(MouseHookTest, ASecondInstallReplacesTheFirstSoEachEventArrivesOnce) {
  const HookHandle first = hook_->installMouseHook(0, recordingCallback());
  const HookHandle second = hook_->installMouseHook(0, recordingCallback());
  EXPECT_NE(first, second);
  EXPECT_EQ(system_.installedOf(hook::kMouseLowLevel), (std::vector<HookHandle>{second}));
  mouseEvent(second, msg::kWmLButtonUp);
  EXPECT_EQ(calls_.size(), 1u);

  hook_->uninstall();
  EXPECT_TRUE(system_.hooks.empty());
}

TEST_F(MouseHookTest, ACallbackMayReplaceItselfWhileItRuns) {
  int replacedCalls = 0;
  // Enough captured state that the callback lives on the heap, where its early end would show.
  const std::string state(64, 's');
  const HookHandle first =
      hook_->installMouseHook(0, [&, state](std::int32_t, std::int32_t, std::int32_t) {
        hook_->installMouseHook(0, [&](std::int32_t, std::int32_t, std::int32_t) {
          ++replacedCalls;
          return 0;
        });
        return state.size() == 64 ? 1 : 0;
      });
  EXPECT_EQ(mouseEvent(first, msg::kWmLButtonDown), 1);
  mouseEvent(hook_->mouse().hook, msg::kWmLButtonDown);
  EXPECT_EQ(replacedCalls, 1);
}

TEST_F(MouseHookTest, ReleasingTheObjectRemovesItsHooks) {
  hook_->installKeyboardHook(kMainWindow, recordingCallback(), false);
  const HookHandle mouse = hook_->installMouseHook(0, recordingCallback());
  hook_.reset();
  EXPECT_TRUE(system_.hooks.empty());
  std::intptr_t result = 0;
  EXPECT_FALSE(system_.deliver(mouse, hook::kAction, msg::kWmLButtonUp, 0, result));
}

}  // namespace
}  // namespace quintrel
