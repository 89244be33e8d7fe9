// A top-level window as the hotkey registry sees it: system-wide hotkeys registered for it, named
// properties that hold a pointer, and the slot of its window procedure, through which every message
// of the window passes. A front end delivers a pressed hotkey by sending WM_HOTKEY (the hotkey's
// id as wParam) to whatever procedure the window has at that moment.
#pragma once

#include <cstdint>
#include <string_view>

namespace quintrel {

inline constexpr unsigned kWmHotkey = 0x0312;

class HotkeyWindow;

// Receives a window's messages; the result becomes the message's result.
class WindowProcedure {
 public:
  WindowProcedure() = default;
  WindowProcedure(const WindowProcedure&) = delete;
  WindowProcedure& operator=(const WindowProcedure&) = delete;
  virtual ~WindowProcedure() = default;

  virtual std::intptr_t handleMessage(HotkeyWindow& window, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};

class HotkeyWindow {
 public:
  HotkeyWindow() = default;
  HotkeyWindow(const HotkeyWindow&) = delete;
  HotkeyWindow& operator=(const HotkeyWindow&) = delete;
  virtual ~HotkeyWindow() = default;

  // Registers modifiers (kModAlt | kModControl | kModShift | kModWin) + virtual key under id for
  // this window; false when the system refuses (the combination is taken, by another program or
  // by another id of this window, or the key cannot be a hotkey).
  virtual bool registerHotkey(int id, unsigned modifiers, int virtualKey) = 0;
  // Undoes the registration of id; false when there was none.
  virtual bool unregisterHotkey(int id) = 0;

  // The pointer stored under name, or null when the window has no such property.
  virtual void* property(std::string_view name) const = 0;
  virtual void setProperty(std::string_view name, void* value) = 0;
  virtual void removeProperty(std::string_view name) = 0;

  // The procedure that receives the window's messages now; never null.
  virtual WindowProcedure* procedure() const = 0;
  // Installs procedure and returns the one it replaces.
  virtual WindowProcedure* setProcedure(WindowProcedure* procedure) = 0;

  // Passes a message to the window's current procedure, as the system does.
  std::intptr_t send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return procedure()->handleMessage(*this, message, wParam, lParam);
  }
};

}  // namespace quintrel
