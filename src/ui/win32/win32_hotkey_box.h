// A hotkey entry box over an edit box ("热键框1", "热键框2"): its key presses, key releases and
// focus loss reach the entry-box procedure before the edit box handles them (a subclass with this
// object as the reference data); what the procedure consumes goes no further.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/hotkey_box_control.h"

namespace quintrel::win32 {

class Win32HotkeyBox final : public HotkeyBoxControl {
 public:
  // The procedure gets (box, message, virtual-key code; 0 for the focus loss) and says whether
  // the message is consumed.
  using Procedure = std::function<bool(HotkeyBoxControl&, unsigned message, int virtualKey)>;

  // name: the control's name on its form.
  Win32HotkeyBox(HWND edit, std::wstring name);
  ~Win32HotkeyBox() override;
  Win32HotkeyBox(const Win32HotkeyBox&) = delete;
  Win32HotkeyBox& operator=(const Win32HotkeyBox&) = delete;

  // Null: the box handles its messages alone.
  void setProcedure(Procedure procedure) { procedure_ = std::move(procedure); }
  HWND handle() const { return edit_; }

  std::string name() const override;
  std::string text() const override;
  void setText(std::string_view text) override;
  void setReadOnly(bool readOnly) override;
  void dropFocus() override;

 private:
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  HWND edit_;
  std::wstring name_;
  Procedure procedure_;
};

}  // namespace quintrel::win32
