// A window whose hotkeys, properties and procedure slot live in memory, with a system that refuses
// what the real one refuses: a combination this window already holds under another id, one that
// another program holds, and an id the window already holds (the caller must unregister an id
// before it reuses it).
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hotkeytext/hotkey_text.h"
#include "platform/hotkey_window.h"

namespace quintrel {

// A procedure that remembers every message it received and answers with a fixed result.
class RecordingProcedure final : public WindowProcedure {
 public:
  struct Message {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const Message&, const Message&) = default;
  };

  std::intptr_t handleMessage(HotkeyWindow& /*window*/, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override {
    messages.push_back({message, wParam, lParam});
    return result;
  }

  std::vector<Message> messages;
  std::intptr_t result = 0;
};

class FakeHotkeyWindow final : public HotkeyWindow {
 public:
  bool registerHotkey(int id, unsigned modifiers, int virtualKey) override {
    ++registerCalls;
    const KeyCombo combo{modifiers, virtualKey};
    if (registrations.contains(id)) return false;
    if (refuseTakenCombinations &&
        (holderOf_.contains(keyOf(combo)) || takenElsewhere_.contains(keyOf(combo)))) {
      return false;
    }
    registrations.emplace(id, combo);
    holderOf_.emplace(keyOf(combo), id);
    return true;
  }
  bool unregisterHotkey(int id) override {
    ++unregisterCalls;
    const auto found = registrations.find(id);
    if (found == registrations.end()) return false;
    const auto holder = holderOf_.find(keyOf(found->second));
    if (holder != holderOf_.end() && holder->second == id) holderOf_.erase(holder);
    registrations.erase(found);
    return true;
  }

  void* property(std::string_view name) const override {
    const auto found = properties_.find(name);
    return found == properties_.end() ? nullptr : found->second;
  }
  void setProperty(std::string_view name, void* value) override {
    properties_.insert_or_assign(std::string(name), value);
  }
  void removeProperty(std::string_view name) override {
    const auto found = properties_.find(name);
    if (found != properties_.end()) properties_.erase(found);
  }
  std::size_t propertyCount() const { return properties_.size(); }

  WindowProcedure* procedure() const override { return procedure_; }
  WindowProcedure* setProcedure(WindowProcedure* procedure) override {
    return std::exchange(procedure_, procedure);
  }

  // Another program holds combo from now on.
  void takeByAnotherProgram(KeyCombo combo) { takenElsewhere_.insert(keyOf(combo)); }

  // The user presses combo: when this window holds it, the window receives WM_HOTKEY with the id
  // and, in lParam, the modifiers (low word) and the key (high word). False when nothing is sent.
  bool press(KeyCombo combo) {
    const auto holder = holderOf_.find(keyOf(combo));
    if (holder == holderOf_.end()) return false;
    send(kWmHotkey, static_cast<std::uintptr_t>(holder->second),
         static_cast<std::intptr_t>(combo.modifiers | (static_cast<unsigned>(combo.key) << 16)));
    return true;
  }

  // The window's own procedure, in the slot until someone replaces it.
  RecordingProcedure defaultProcedure;
  // id -> combination, for every registration in force.
  std::map<int, KeyCombo> registrations;
  int registerCalls = 0;
  int unregisterCalls = 0;
  // False: every combination is accepted, as if the system were not asked (benchmarks).
  bool refuseTakenCombinations = true;

 private:
  using ComboKey = std::pair<unsigned, int>;
  static ComboKey keyOf(KeyCombo combo) { return {combo.modifiers, combo.key}; }

  WindowProcedure* procedure_ = &defaultProcedure;
  std::map<std::string, void*, std::less<>> properties_;
  std::map<ComboKey, int> holderOf_;  // combination -> the id that holds it
  std::set<ComboKey> takenElsewhere_;
};

}  // namespace quintrel
