// The cells of a list view laid out on a fixed grid: a header, rows of one height and columns of
// given widths, with the client area's top left at origin on the screen. Texts go into a ListView,
// as the real control's own writes reach its table. Messages are routed as the front ends route
// them: to the handler first, and to the control's own handling (recorded) unless consumed.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/fake/fake_focus.h"
#include "platform/list_view.h"
#include "platform/list_view_cells.h"
#include "platform/window_messages.h"

namespace quintrel {

class FakeListViewCells final : public ListViewCells, public FocusTarget {
 public:
  static constexpr int kHeaderHeight = 20;
  static constexpr int kRowHeight = 16;

  FakeListViewCells(ListView& table, FakeFocus& focus, std::vector<int> columnWidths,
                    ScreenPoint origin)
      : table_(table), focus_(focus), columnWidths_(std::move(columnWidths)), origin_(origin) {}

  void setMessageHandler(ListViewMessageHandler* handler) override {
    handler_ = handler;
    ++handlerChanges;
  }
  ClientPoint toClient(ScreenPoint screen) const override {
    return {screen.x - origin_.x, screen.y - origin_.y};
  }
  CellAddress cellAt(ClientPoint point) const override {
    CellAddress cell;
    int left = 0;
    for (int column = 0; column < static_cast<int>(columnWidths_.size()); ++column) {
      if (point.x >= left && point.x < left + columnWidths_[column]) cell.column = column;
      left += columnWidths_[column];
    }
    if (point.y >= kHeaderHeight) {
      const int row = (point.y - kHeaderHeight) / kRowHeight;
      if (row < table_.GetCount()) cell.item = row;
    }
    return cell;
  }
  ClientRect cellRect(CellAddress cell) const override {
    int left = 0;
    for (int column = 0; column < cell.column; ++column) left += columnWidths_[column];
    const int top = kHeaderHeight + cell.item * kRowHeight;
    return {left, top, left + columnWidths_[cell.column], top + kRowHeight};
  }
  void setCellText(CellAddress cell, std::string_view text) override {
    writes.push_back({cell, std::string(text)});
    table_.SetCaption(cell.item, cell.column, text);
  }
  void takeFocus() override { focus_.give(this); }

  void focusGained() override { deliver(msg::kWmSetFocus); }
  void focusLost() override { deliver(msg::kWmKillFocus); }

  // A message arrives at the control.
  void deliver(unsigned message) {
    if (handler_ != nullptr && handler_->handleListViewMessage(message)) return;
    ownHandling.push_back(message);
  }
  // The screen position of a cell's middle, where a test puts the cursor to hit it.
  ScreenPoint screenPointOf(CellAddress cell) const {
    const ClientRect rect = cellRect(cell);
    return {origin_.x + (rect.left + rect.right) / 2, origin_.y + (rect.top + rect.bottom) / 2};
  }
  bool hasFocus() const { return focus_.holder() == this; }
  ListViewMessageHandler* messageHandler() const { return handler_; }

  struct Write {
    CellAddress cell;
    std::string text;
    friend bool operator==(const Write&, const Write&) = default;
  };
  std::vector<Write> writes;          // setCellText calls, in order
  std::vector<unsigned> ownHandling;  // messages the control handled itself, in order
  int handlerChanges = 0;

 private:
  ListView& table_;
  FakeFocus& focus_;
  std::vector<int> columnWidths_;
  ScreenPoint origin_;
  ListViewMessageHandler* handler_ = nullptr;
};

}  // namespace quintrel
