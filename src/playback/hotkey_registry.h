// HotkeyRegistry: any number of system-wide hotkeys for one window, each with a handler of its own.
//
// The registry keeps one record per window that has hotkeys, and finds it only through the
// window's property "HOTKEYLIST". While a window has entries, the registry is the window's
// procedure: a WM_HOTKEY whose id has an entry goes to that entry's handler, and every other
// message (an unknown id too) to the procedure the window had before, unchanged. When the last
// entry goes, or all are removed at once, that procedure is put back and the property removed.
//
// Handlers may add or remove hotkeys, or wait with messages (and so re-enter the registry), while
// they run: dispatch takes the handler before the call and touches no record afterwards.
//
// The registry owns the records; it must outlive every window that still has hotkeys, or those
// windows must have had removeAllHotkeys first, since they keep calling it as their procedure.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/hotkey_window.h"

namespace quintrel {

struct HotkeyEntry {
  HotkeyWindow* window = nullptr;  // recorded only; dispatch does not consult it
  int id = 0;                      // never 0
  WindowProcedure* handler = nullptr;
};

// What hangs on a window under "HOTKEYLIST".
struct HotkeyRecord {
  // The window's procedure before the registry took its place; null while not subclassed.
  WindowProcedure* savedProc = nullptr;
  // In registration order; an id occurs at most once.
  std::vector<HotkeyEntry> entries;
  // The ids of entries, so that re-adding checks for an old entry without a scan: applying a
  // big list adds thousands of new ids in a row.
  std::unordered_set<int> ids;

  int entryCount() const { return static_cast<int>(entries.size()); }
};

class HotkeyRegistry final : public WindowProcedure {
 public:
  static constexpr std::string_view kPropertyName = "HOTKEYLIST";

  HotkeyRegistry() = default;
  ~HotkeyRegistry() override;

  // Registers modifiers + virtualKey under id for window and routes its presses to handler.
  // An earlier entry with this id is removed first, and the new one goes to the end of the order.
  // 1 when the system accepted the hotkey; 0 for id 0 or a refusal, and then no entry is made.
  int addHotkey(HotkeyWindow& window, unsigned modifiers, int virtualKey, WindowProcedure* handler,
                int id);
  // Removes id's entry and its registration: the unregistration's result (1 or 0) when the id had
  // an entry, else 0.
  int removeHotkey(HotkeyWindow& window, int id);
  // Gives the window its procedure back, unregisters every entry in order and drops the record.
  void removeAllHotkeys(HotkeyWindow& window);

  // The window's record, or null while it has no hotkeys.
  static const HotkeyRecord* recordOf(const HotkeyWindow& window);

  // The window's procedure while it has hotkeys.
  std::intptr_t handleMessage(HotkeyWindow& window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

 private:
  static HotkeyRecord* mutableRecordOf(const HotkeyWindow& window);
  // Puts the saved procedure back, optionally unregisters every entry, removes the property and
  // frees the record.
  void dropRecord(HotkeyWindow& window, HotkeyRecord* record, bool unregisterEntries);
  // Frees a record that no window holds any more.
  void forgetRecord(const HotkeyRecord* record);

  // Every record made and not yet dropped, so that none outlives the registry.
  std::vector<std::unique_ptr<HotkeyRecord>> records_;
};

}  // namespace quintrel
