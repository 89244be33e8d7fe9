// An editor control in memory: where it was placed, whether it shows, its text and selection, and
// its share of the keyboard focus. Focus messages go to received, so a test or a core procedure
// can see them as the control's window procedure would.
#pragma once

#include <functional>
#include <string>

#include "platform/editor_control.h"
#include "platform/fake/fake_focus.h"
#include "platform/window_messages.h"

namespace quintrel {

class FakeEditorControl final : public EditorControl, public FocusTarget {
 public:
  explicit FakeEditorControl(FakeFocus& focus) : focus_(focus) {}

  void embedIn(ListViewCells& listView) override { parent = &listView; }
  void place(ClientRect where) override {
    rect = where;
    visible = true;
  }
  void show() override { visible = true; }
  void hide() override { visible = false; }
  void takeFocus() override { focus_.give(this); }
  std::string text() const override { return text_; }
  void setText(std::string_view text) override {
    text_ = std::string(text);
    allSelected = false;
  }
  void selectAllText() override { allSelected = true; }

  void focusGained() override {
    if (received) received(msg::kWmSetFocus);
  }
  void focusLost() override {
    if (received) received(msg::kWmKillFocus);
  }

  bool hasFocus() const { return focus_.holder() == this; }
  // The user types: the text changes as an edit box's does.
  void type(std::string_view text) { text_ = std::string(text); }

  ListViewCells* parent = nullptr;
  ClientRect rect;
  bool visible = true;  // a control shows until it is hidden
  bool allSelected = false;
  std::function<void(unsigned message)> received;

 private:
  FakeFocus& focus_;
  std::string text_;
};

}  // namespace quintrel
