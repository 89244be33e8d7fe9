// A single-line edit box that captures key combinations: the program alone sets its text, and it
// can give up the keyboard focus so that no window of the program keeps it. Texts are code page
// 936 bytes.
#pragma once

#include <string>
#include <string_view>

namespace quintrel {

class HotkeyBoxControl {
 public:
  HotkeyBoxControl() = default;
  HotkeyBoxControl(const HotkeyBoxControl&) = delete;
  HotkeyBoxControl& operator=(const HotkeyBoxControl&) = delete;
  virtual ~HotkeyBoxControl() = default;

  // The control's name on its form ("热键框1").
  virtual std::string name() const = 0;
  virtual std::string text() const = 0;
  virtual void setText(std::string_view text) = 0;
  // Read-only: typed characters never change the text.
  virtual void setReadOnly(bool readOnly) = 0;
  // Leaves no window of the program with the keyboard focus; the box's focus loss is delivered
  // before this returns.
  virtual void dropFocus() = 0;
};

}  // namespace quintrel
