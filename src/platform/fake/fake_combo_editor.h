// A combo box editor in memory: its list items, its edit field's text and selection.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/combo_editor_control.h"

namespace quintrel {

class FakeComboEditor final : public ComboEditorControl {
 public:
  explicit FakeComboEditor(std::vector<std::string> listItems) : items(std::move(listItems)) {}

  void embedIn(ListViewCells&) override {}
  void place(ClientRect) override { visible = true; }
  void show() override { visible = true; }
  void hide() override { visible = false; }
  void takeFocus() override {}
  std::string text() const override { return text_; }
  void setText(std::string_view text) override {
    text_ = std::string(text);
    allSelected = false;
  }
  void selectAllText() override { allSelected = true; }
  void selectItem(int index) override { setText(items.at(static_cast<std::size_t>(index))); }

  std::vector<std::string> items;
  bool visible = true;
  bool allSelected = false;

 private:
  std::string text_;
};

}  // namespace quintrel
