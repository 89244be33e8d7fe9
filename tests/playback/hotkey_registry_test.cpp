#include "playback/hotkey_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/fake/fake_hotkey_window.h"

namespace quintrel {
namespace {

constexpr int kF1 = 0x70;
constexpr int kF2 = 0x71;
constexpr int kF3 = 0x72;
constexpr unsigned kWmKeyDown = 0x0100;

// A handler that runs a step of the test when its hotkey is pressed.
class ScriptedProcedure final : public WindowProcedure {
 public:
  explicit ScriptedProcedure(std::function<void(HotkeyWindow&)> step) : step_(std::move(step)) {}
  std::intptr_t handleMessage(HotkeyWindow& window, unsigned /*message*/, std::uintptr_t /*wParam*/,
                              std::intptr_t /*lParam*/) override {
    ++calls;
    step_(window);
    return 0;
  }
  int calls = 0;

 private:
  std::function<void(HotkeyWindow&)> step_;
};

class HotkeyRegistryTest : public ::testing::Test {
 protected:
  std::vector<int> entryIds() const {
    std::vector<int> ids;
    if (const HotkeyRecord* record = HotkeyRegistry::recordOf(window_)) {
      for (const HotkeyEntry& entry : record->entries) ids.push_back(entry.id);
    }
    return ids;
  }
  bool subclassed() const { return window_.procedure() == &registry_; }

  FakeHotkeyWindow window_;
  HotkeyRegistry registry_;
  RecordingProcedure first_;
  RecordingProcedure second_;
  RecordingProcedure third_;
};

TEST_F(HotkeyRegistryTest, PressGoesToItsHandlerOnlyAndEverythingElseToTheWindow) {
  window_.defaultProcedure.result = 7;
  first_.result = 42;
  ASSERT_EQ(registry_.addHotkey(window_, kModControl, kF1, &first_, 1), 1);
  ASSERT_EQ(registry_.addHotkey(window_, kModAlt, kF2, &second_, 2), 1);
  EXPECT_TRUE(subclassed());
  EXPECT_NE(window_.property(HotkeyRegistry::kPropertyName), nullptr);

  // The handler's result is the message's result, and it sees the system's lParam.
  EXPECT_TRUE(window_.press({kModControl, kF1}));
  EXPECT_EQ(window_.send(kWmHotkey, 1, 5), 42);
  EXPECT_EQ(window_.send(kWmHotkey, 9, 3), 7);  // an id without an entry
  EXPECT_EQ(window_.send(kWmKeyDown, 1, 4), 7);

  using M = RecordingProcedure::Message;
  EXPECT_EQ(first_.messages,
            (std::vector<M>{{kWmHotkey, 1, kModControl | (kF1 << 16)}, {kWmHotkey, 1, 5}}));
  EXPECT_TRUE(second_.messages.empty());
  EXPECT_EQ(window_.defaultProcedure.messages,
            (std::vector<M>{{kWmHotkey, 9, 3}, {kWmKeyDown, 1, 4}}));
}

TEST_F(HotkeyRegistryTest, RefusedAdditionsLeaveNoEntryAndNoSubclass) {
  struct Case {
    const char* what;
    int id;
    KeyCombo combo;
    int registerCalls;  // whether the system was asked at all
  };
  const Case cases[] = {
      {"id 0", 0, {kModAlt, kF3}, 0},
      {"held by another id of the window", 3, {kModControl, kF1}, 1},
      {"held by another program", 3, {kModShift, kF2}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeHotkeyWindow window;
    HotkeyRegistry registry;
    window.takeByAnotherProgram({kModShift, kF2});
    ASSERT_EQ(registry.addHotkey(window, kModControl, kF1, &first_, 1), 1);
    window.registerCalls = 0;

    EXPECT_EQ(registry.addHotkey(window, c.combo.modifiers, c.combo.key, &second_, c.id), 0);
    EXPECT_EQ(window.registerCalls, c.registerCalls);
    EXPECT_EQ(window.registrations, (std::map<int, KeyCombo>{{1, {kModControl, kF1}}}));
    EXPECT_EQ(HotkeyRegistry::recordOf(window)->entryCount(), 1);

    registry.removeAllHotkeys(window);
  }

  // Refused at the first entry: the window keeps its procedure and gets no property.
  window_.takeByAnotherProgram({kModShift, kF2});
  EXPECT_EQ(registry_.addHotkey(window_, kModShift, kF2, &first_, 1), 0);
  EXPECT_EQ(window_.procedure(), &window_.defaultProcedure);
  EXPECT_EQ(window_.propertyCount(), 0u);
}

TEST_F(HotkeyRegistryTest, ReaddingAnIdUndoesTheOldOneAndMovesItToTheEnd) {
  registry_.addHotkey(window_, kModControl, kF1, &first_, 1);
  registry_.addHotkey(window_, kModControl, kF2, &second_, 2);
  // The same combination again: accepted, because the old registration is undone first.
  EXPECT_EQ(registry_.addHotkey(window_, kModControl, kF1, &third_, 1), 1);

  EXPECT_EQ(window_.unregisterCalls, 1);
  EXPECT_EQ(entryIds(), (std::vector<int>{2, 1}));
  window_.press({kModControl, kF1});
  EXPECT_TRUE(first_.messages.empty());
  EXPECT_EQ(third_.messages.size(), 1u);
}

TEST_F(HotkeyRegistryTest, RemovingTheMiddleEntryKeepsTheOthersInOrderAndDispatched) {
  registry_.addHotkey(window_, 0, kF1, &first_, 1);
  registry_.addHotkey(window_, 0, kF2, &second_, 2);
  registry_.addHotkey(window_, 0, kF3, &third_, 3);

  EXPECT_EQ(registry_.removeHotkey(window_, 2), 1);
  EXPECT_EQ(entryIds(), (std::vector<int>{1, 3}));
  EXPECT_EQ(window_.registrations.count(2), 0u);
  window_.press({0, kF1});
  window_.press({0, kF3});
  window_.send(kWmHotkey, 2, 0);
  EXPECT_EQ(first_.messages.size(), 1u);
  EXPECT_EQ(third_.messages.size(), 1u);
  EXPECT_TRUE(second_.messages.empty());
  EXPECT_EQ(window_.defaultProcedure.messages.size(), 1u);
}

TEST_F(HotkeyRegistryTest, RemovingTheLastEntryGivesTheWindowItsProcedureBack) {
  EXPECT_EQ(registry_.removeHotkey(window_, 1), 0);  // no record yet
  registry_.addHotkey(window_, 0, kF1, &first_, 1);
  EXPECT_EQ(registry_.removeHotkey(window_, 5), 0);
  EXPECT_EQ(registry_.removeHotkey(window_, 0), 0);
  EXPECT_TRUE(subclassed());

  EXPECT_EQ(registry_.removeHotkey(window_, 1), 1);
  EXPECT_EQ(window_.procedure(), &window_.defaultProcedure);
  EXPECT_EQ(window_.property(HotkeyRegistry::kPropertyName), nullptr);
  EXPECT_TRUE(window_.registrations.empty());
  EXPECT_FALSE(window_.press({0, kF1}));
}

TEST_F(HotkeyRegistryTest, RemoveAllRestoresOnceAndALaterAddSubclassesAfresh) {
  registry_.addHotkey(window_, 0, kF1, &first_, 1);
  registry_.addHotkey(window_, 0, kF2, &first_, 2);
  registry_.removeAllHotkeys(window_);
  EXPECT_EQ(window_.procedure(), &window_.defaultProcedure);
  EXPECT_EQ(window_.property(HotkeyRegistry::kPropertyName), nullptr);
  EXPECT_TRUE(window_.registrations.empty());
  EXPECT_EQ(window_.unregisterCalls, 2);

  registry_.removeAllHotkeys(window_);
  EXPECT_EQ(window_.unregisterCalls, 2);

  // Someone else subclassed the window meanwhile: that is the procedure to forward to now.
  RecordingProcedure other;
  window_.setProcedure(&other);
  registry_.addHotkey(window_, 0, kF3, &second_, 1);
  EXPECT_TRUE(subclassed());
  window_.send(kWmKeyDown, 0, 0);
  EXPECT_EQ(other.messages.size(), 1u);
  EXPECT_TRUE(window_.defaultProcedure.messages.empty());
  registry_.removeAllHotkeys(window_);
  EXPECT_EQ(window_.procedure(), &other);
}

TEST_F(HotkeyRegistryTest, HandlersMayRemoveAndAddHotkeysWhileTheyRun) {
  // Removing everything frees the record under the running dispatch; adding builds a new one.
  ScriptedProcedure reapply([&](HotkeyWindow& window) {
    registry_.removeAllHotkeys(window);
    registry_.addHotkey(window, 0, kF2, &second_, 1);
  });
  ScriptedProcedure removeSelf([&](HotkeyWindow& window) { registry_.removeHotkey(window, 3); });
  registry_.addHotkey(window_, 0, kF1, &reapply, 1);
  registry_.addHotkey(window_, 0, kF3, &removeSelf, 3);

  EXPECT_TRUE(window_.press({0, kF3}));
  EXPECT_EQ(entryIds(), (std::vector<int>{1}));
  EXPECT_TRUE(window_.press({0, kF1}));
  EXPECT_EQ(reapply.calls, 1);
  EXPECT_EQ(entryIds(), (std::vector<int>{1}));
  EXPECT_TRUE(window_.press({0, kF2}));
  EXPECT_EQ(second_.messages.size(), 1u);

  // A handler that removes the last entry leaves the window unsubclassed.
  ScriptedProcedure removeLast([&](HotkeyWindow& window) { registry_.removeHotkey(window, 1); });
  registry_.addHotkey(window_, 0, kF2, &removeLast, 1);
  EXPECT_TRUE(window_.press({0, kF2}));
  EXPECT_EQ(window_.procedure(), &window_.defaultProcedure);
  EXPECT_EQ(window_.property(HotkeyRegistry::kPropertyName), nullptr);
}

}  // namespace
}  // namespace quintrel
