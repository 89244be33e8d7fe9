// A hotkey box in memory that logs every text it was given and delivers its focus loss to
// received, as the box's window procedure would get it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/hotkey_box_control.h"
#include "platform/window_messages.h"

namespace quintrel {

class FakeHotkeyBox final : public HotkeyBoxControl {
 public:
  explicit FakeHotkeyBox(std::string name, std::string text = {})
      : name_(std::move(name)), text_(std::move(text)) {}

  std::string name() const override { return name_; }
  std::string text() const override { return text_; }
  void setText(std::string_view text) override {
    text_ = std::string(text);
    shown.push_back(text_);
  }
  void setReadOnly(bool on) override { readOnly = on; }
  void dropFocus() override {
    if (!focused) return;
    focused = false;
    if (received) received(msg::kWmKillFocus);
  }

  bool focused = false;
  bool readOnly = false;
  std::vector<std::string> shown;  // every text set, in order
  std::function<void(unsigned message)> received;

 private:
  std::string name_;
  std::string text_;
};

}  // namespace quintrel
