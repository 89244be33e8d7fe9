#include "playback/hotkey_registry.h"

#include <algorithm>
#include <new>

namespace quintrel {

HotkeyRegistry::~HotkeyRegistry() = default;

const HotkeyRecord* HotkeyRegistry::recordOf(const HotkeyWindow& window) {
  return mutableRecordOf(window);
}

HotkeyRecord* HotkeyRegistry::mutableRecordOf(const HotkeyWindow& window) {
  return static_cast<HotkeyRecord*>(window.property(kPropertyName));
}

int HotkeyRegistry::addHotkey(HotkeyWindow& window, unsigned modifiers, int virtualKey,
                              WindowProcedure* handler, int id) {
  if (id == 0) return 0;
  removeHotkey(window, id);

  if (!window.registerHotkey(id, modifiers, virtualKey)) return 0;

  HotkeyRecord* record = mutableRecordOf(window);
  try {
    if (record == nullptr) {
      records_.push_back(std::make_unique<HotkeyRecord>());
      record = records_.back().get();
    }
    record->entries.push_back({&window, id, handler});
    record->ids.insert(id);
  } catch (const std::bad_alloc&) {
    // A hotkey the system accepted must not stay live without an entry: it would reach nobody
    // and yet be reported as added. Out of memory is a refusal. (The id had no entry before this
    // call, so an entry with it at the end is the one just made.)
    if (record != nullptr && !record->entries.empty() && record->entries.back().id == id) {
      record->entries.pop_back();
    }
    window.unregisterHotkey(id);
    if (record != nullptr && record->entries.empty()) forgetRecord(record);
    return 0;
  }
  window.setProperty(kPropertyName, record);
  if (record->savedProc == nullptr) record->savedProc = window.setProcedure(this);
  return 1;
}

int HotkeyRegistry::removeHotkey(HotkeyWindow& window, int id) {
  HotkeyRecord* record = mutableRecordOf(window);
  if (id == 0 || record == nullptr || !record->ids.contains(id)) return 0;

  const int result = window.unregisterHotkey(id) ? 1 : 0;
  if (record->entries.size() == 1) {
    dropRecord(window, record, /*unregisterEntries=*/false);
  } else {
    auto& entries = record->entries;
    entries.erase(std::find_if(entries.begin(), entries.end(),
                               [id](const HotkeyEntry& entry) { return entry.id == id; }));
    record->ids.erase(id);
  }
  return result;
}

void HotkeyRegistry::removeAllHotkeys(HotkeyWindow& window) {
  HotkeyRecord* record = mutableRecordOf(window);
  if (record == nullptr) return;
  dropRecord(window, record, /*unregisterEntries=*/true);
}

void HotkeyRegistry::dropRecord(HotkeyWindow& window, HotkeyRecord* record,
                                bool unregisterEntries) {
  // The procedure goes back before the hotkeys go, so no press is dispatched to a half-removed
  // list.
  if (record->savedProc != nullptr) window.setProcedure(record->savedProc);
  if (unregisterEntries) {
    for (const HotkeyEntry& entry : record->entries) window.unregisterHotkey(entry.id);
  }
  window.removeProperty(kPropertyName);
  forgetRecord(record);
}

void HotkeyRegistry::forgetRecord(const HotkeyRecord* record) {
  const auto owned = std::find_if(records_.begin(), records_.end(),
                                  [record](const auto& made) { return made.get() == record; });
  if (owned != records_.end()) records_.erase(owned);
}

std::intptr_t HotkeyRegistry::handleMessage(HotkeyWindow& window, unsigned message,
                                            std::uintptr_t wParam, std::intptr_t lParam) {
  const HotkeyRecord* record = mutableRecordOf(window);
  if (record == nullptr) return 0;  // nothing to forward to: the property was taken elsewhere
  WindowProcedure* target = record->savedProc;
  if (message == kWmHotkey) {
    for (const HotkeyEntry& entry : record->entries) {
      if (static_cast<std::uintptr_t>(entry.id) == wParam) {
        // An entry without a handler leaves the press to the window.
        if (entry.handler != nullptr) target = entry.handler;
        break;
      }
    }
  }
  if (target == nullptr) return 0;
  // From here on the record may be gone: the target may add or remove hotkeys.
  return target->handleMessage(window, message, wParam, lParam);
}

}  // namespace quintrel
