#include "platform/x11/hook_chains.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quintrel::x11 {
namespace {

class HookChainsTest : public ::testing::Test {
 protected:
  // A hook that notes its name and passes the event on to the older hooks of its kind.
  HookHandle add(int kind, std::string name) {
    const auto self = std::make_shared<HookHandle>(0);
    auto procedure = [this, self, name](int code, std::uintptr_t wParam, std::intptr_t lParam) {
      log_ += name + " ";
      return chains_.callNext(*self, code, wParam, lParam) + static_cast<std::intptr_t>(wParam);
    };
    *self = chains_.add(kind, procedure);
    return *self;
  }

  HookChains chains_;
  std::string log_;
};

TEST_F(HookChainsTest, AnEventRunsThroughTheHooksOfItsKindNewestFirst) {
  add(hook::kMouseLowLevel, "mouse1");
  add(hook::kKeyboard, "keys1");
  add(hook::kMouseLowLevel, "mouse2");
  add(hook::kMouse, "thread1");
  add(hook::kMouseLowLevel, "mouse3");

  // Each hook adds wParam to what the older ones returned; the end of the chain returns 0.
  EXPECT_EQ(chains_.callNewest(hook::kMouseLowLevel, hook::kAction, 10, 0), 30);
  EXPECT_EQ(log_, "mouse3 mouse2 mouse1 ");
  log_.clear();
  EXPECT_EQ(chains_.callNewest(hook::kKeyboard, hook::kAction, 1, 0), 1);
  EXPECT_EQ(log_, "keys1 ");
  log_.clear();
  EXPECT_EQ(chains_.callNewest(hook::kKeyboardLowLevel, hook::kAction, 1, 0), 0);
  EXPECT_EQ(log_, "");
  EXPECT_TRUE(chains_.has(hook::kMouse));
  EXPECT_FALSE(chains_.has(hook::kKeyboardLowLevel));
}

TEST_F(HookChainsTest, ARemovedHookIsSkippedAndItsHandleNeverComesBack) {
  const HookHandle first = add(hook::kMouseLowLevel, "first");
  const HookHandle second = add(hook::kMouseLowLevel, "second");
  add(hook::kMouseLowLevel, "third");

  EXPECT_TRUE(chains_.remove(second));
  EXPECT_FALSE(chains_.remove(second));
  chains_.callNewest(hook::kMouseLowLevel, hook::kAction, 1, 0);
  EXPECT_EQ(log_, "third first ");
  // Passing on from a hook that is gone reaches nobody.
  EXPECT_EQ(chains_.callNext(second, hook::kAction, 1, 0), 0);

  const HookHandle later =
      chains_.add(hook::kMouseLowLevel, [](int, std::uintptr_t, std::intptr_t) { return 0; });
  EXPECT_NE(later, first);
  EXPECT_NE(later, second);
  EXPECT_TRUE(chains_.remove(first));
  EXPECT_FALSE(chains_.has(hook::kKeyboard));
}

TEST_F(HookChainsTest, AHookMayRemoveItselfWhileItRuns) {
  HookHandle self = 0;
  self = chains_.add(hook::kKeyboardLowLevel,
                     [this, &self](int, std::uintptr_t, std::intptr_t) -> std::intptr_t {
                       chains_.remove(self);
                       return 7;
                     });
  EXPECT_EQ(chains_.callNewest(hook::kKeyboardLowLevel, hook::kAction, 0, 0), 7);
  EXPECT_FALSE(chains_.has(hook::kKeyboardLowLevel));
}

}  // namespace
}  // namespace quintrel::x11
