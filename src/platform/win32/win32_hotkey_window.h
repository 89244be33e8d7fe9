// The main window as the hotkey registry sees it: system-wide hotkeys (RegisterHotKey), window
// properties (GetPropW, SetPropW, RemovePropW, with names given in code page 936) and a procedure
// slot of its own.
//
// The slot is not the window's system procedure: the window keeps its own, which hands every
// WM_HOTKEY to hotkeyPressed, and that passes it to whatever procedure the slot holds now. So the
// registry can take the slot and give it back without the system's window procedure ever changing.
// Until someone replaces it, the slot holds a procedure that answers every message with 0.
//
// The core may be made before the window: the object can start without a window and be given one
// with attach. Without a window every registration is refused and no property exists.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/hotkey_window.h"

namespace quintrel {

class Win32HotkeyWindow final : public HotkeyWindow {
 public:
  explicit Win32HotkeyWindow(HWND window = nullptr) : window_(window) {}

  // From now on the hotkeys and properties are those of window (null: none). Hotkeys and
  // properties made for the earlier window stay with it; attach before the first registration,
  // and attach null when the window is destroyed.
  void attach(HWND window) { window_ = window; }
  HWND window() const { return window_; }

  // The window's procedure calls this for WM_HOTKEY; the result is the message's result.
  LRESULT hotkeyPressed(WPARAM wParam, LPARAM lParam);

  bool registerHotkey(int id, unsigned modifiers, int virtualKey) override;
  bool unregisterHotkey(int id) override;

  void* property(std::string_view name) const override;
  void setProperty(std::string_view name, void* value) override;
  void removeProperty(std::string_view name) override;

  WindowProcedure* procedure() const override { return procedure_; }
  // Null puts the answer-0 procedure back.
  WindowProcedure* setProcedure(WindowProcedure* procedure) override;

 private:
  class AnswerZero final : public WindowProcedure {
   public:
    std::intptr_t handleMessage(HotkeyWindow&, unsigned, std::uintptr_t, std::intptr_t) override {
      return 0;
    }
  };

  HWND window_;
  AnswerZero base_;
  WindowProcedure* procedure_ = &base_;
};

}  // namespace quintrel
