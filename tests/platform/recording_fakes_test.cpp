// The fakes the recording tests stand on: hooks that are gone must stay gone, and the text box must
// put text where a real one would.
#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_input_hooks.h"
#include "platform/fake/memory_text_box.h"

namespace quintrel {
namespace {

TEST(FakeInputHooks, RemovedHooksNeverHearAgainAndTheirHandlesAreNotReused) {
  FakeInputHooks system;
  int heard = 0;
  const auto procedure = [&](int code, std::uintptr_t, std::intptr_t) {
    ++heard;
    return static_cast<std::intptr_t>(code);
  };
  const HookHandle first = system.setHook(14, procedure, 0);
  EXPECT_TRUE(system.unhook(first));
  EXPECT_FALSE(system.unhook(first));
  const HookHandle second = system.setHook(7, procedure, 3);
  EXPECT_NE(second, first);
  EXPECT_NE(second, 0u);

  std::intptr_t result = 0;
  EXPECT_FALSE(system.deliver(first, 5, 0, 0, result));
  EXPECT_TRUE(system.deliver(second, 5, 0, 0, result));
  EXPECT_EQ(result, 5);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(system.installedOf(7), (std::vector<HookHandle>{second}));
  EXPECT_TRUE(system.installedOf(14).empty());

  system.refuseHooks = true;
  EXPECT_EQ(system.setHook(14, procedure, 0), 0u);
  EXPECT_EQ(system.setHookCalls.size(), 3u);
  system.nextHookResult = 9;
  EXPECT_EQ(system.callNextHook(second, 0, 0x201, 4), 9);
  EXPECT_EQ(system.nextHookCalls,
            (std::vector<FakeInputHooks::NextHookCall>{{second, 0, 0x201, 4}}));
  system.windowThreads[10] = 2;
  EXPECT_EQ(system.windowThread(10), 2u);
  EXPECT_EQ(system.windowThread(11), 0u);
}

TEST(MemoryTextBox, ReplacesTheSelectionOrInsertsAtTheCaret) {
  MemoryTextBox box;
  box.setText("hello world");
  box.select(6, 99);  // clamped to the text
  box.replaceSelection("there");
  EXPECT_EQ(box.text(), "hello there");
  EXPECT_EQ(box.selectionStart(), 11u);
  box.select(0, 0);
  box.replaceSelection(">");
  EXPECT_EQ(box.text(), ">hello there");
  EXPECT_EQ(box.selectionEnd(), 1u);
  box.moveCaretToEnd();
  box.scrollCaretIntoView();
  EXPECT_EQ(box.caretShown(), 12u);
}

}  // namespace
}  // namespace quintrel
