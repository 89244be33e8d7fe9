// The fakes the playback tests stand on: they must refuse, record and deliver as the real system
// does, or the tests above them prove nothing.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/fake/fake_hotkey_window.h"
#include "platform/fake/recording_pointer.h"
#include "platform/fake/scripted_message_wait.h"

namespace quintrel {
namespace {

TEST(FakeHotkeyWindow, RefusesTakenCombinationsAndHeldIdsUntilUnregistered) {
  FakeHotkeyWindow window;
  window.takeByAnotherProgram({kModAlt, 'A'});
  EXPECT_TRUE(window.registerHotkey(1, kModControl, 'A'));
  EXPECT_FALSE(window.registerHotkey(2, kModControl, 'A'));  // held by id 1
  EXPECT_FALSE(window.registerHotkey(1, kModShift, 'B'));    // id 1 is held
  EXPECT_FALSE(window.registerHotkey(3, kModAlt, 'A'));      // another program's
  EXPECT_TRUE(window.unregisterHotkey(1));
  EXPECT_FALSE(window.unregisterHotkey(1));
  EXPECT_TRUE(window.registerHotkey(2, kModControl, 'A'));
  EXPECT_EQ(window.registrations, (std::map<int, KeyCombo>{{2, {kModControl, 'A'}}}));
  EXPECT_EQ(window.registerCalls, 5);
  EXPECT_EQ(window.unregisterCalls, 2);

  window.refuseTakenCombinations = false;
  EXPECT_TRUE(window.registerHotkey(4, kModControl, 'A'));
  EXPECT_TRUE(window.registerHotkey(5, kModAlt, 'A'));
}

TEST(FakeHotkeyWindow, DeliversPressesAndMessagesToTheProcedureInTheSlot) {
  FakeHotkeyWindow window;
  int value = 0;
  window.setProperty("HOTKEYLIST", &value);
  EXPECT_EQ(window.property("HOTKEYLIST"), &value);
  EXPECT_EQ(window.property("hotkeylist"), nullptr);
  window.removeProperty("HOTKEYLIST");
  EXPECT_EQ(window.property("HOTKEYLIST"), nullptr);

  window.registerHotkey(7, kModShift, 0x70);
  EXPECT_FALSE(window.press({kModShift, 0x71}));
  EXPECT_TRUE(window.press({kModShift, 0x70}));
  RecordingProcedure other;
  other.result = 3;
  EXPECT_EQ(window.setProcedure(&other), &window.defaultProcedure);
  EXPECT_EQ(window.send(0x0100, 1, 2), 3);

  using M = RecordingProcedure::Message;
  EXPECT_EQ(window.defaultProcedure.messages, (std::vector<M>{{kWmHotkey, 7, 4 | (0x70 << 16)}}));
  EXPECT_EQ(other.messages, (std::vector<M>{{0x0100, 1, 2}}));
}

TEST(RecordingPointer, LogsMovesAndClicksWhereTheCursorIs) {
  RecordingPointer pointer;
  pointer.position = {1, 2};
  pointer.click(MouseButton::Right);
  pointer.setCursorPosition({-5, 6});
  pointer.click(MouseButton::Left);
  using E = RecordingPointer::Event;
  EXPECT_EQ(pointer.cursorPosition(), (ScreenPoint{-5, 6}));
  EXPECT_EQ(pointer.events, (std::vector<E>{{E::Click, {1, 2}, MouseButton::Right},
                                            {E::Move, {-5, 6}, MouseButton::Left},
                                            {E::Click, {-5, 6}, MouseButton::Left}}));
  EXPECT_EQ(pointer.clicks().size(), 2u);
}

TEST(ScriptedMessageWait, RunsTheScriptInsideEachWaitAlsoWhenItWaitsAgain) {
  ScriptedMessageWait wait;
  std::vector<std::size_t> seen;
  wait.duringWait = [&](std::size_t number) {
    seen.push_back(number);
    if (number == 1) wait.waitWithMessages(5);   // nested
    if (number == 2) wait.duringWait = nullptr;  // replaced while running
  };
  wait.waitWithMessages(200);
  wait.waitWithMessages(100);
  EXPECT_EQ(wait.waits, (std::vector<int>{200, 5, 100}));
  EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2}));
}

}  // namespace
}  // namespace quintrel
