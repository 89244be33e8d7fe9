// A list view held in memory: the row store of a front end that keeps its table apart from its
// widget (the Linux model shows these rows), and the table of the tests and benchmarks. It behaves
// as the ListView contract says and tells what a test needs to see (selection, redraw state).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/list_view.h"

namespace quintrel {

class MemoryListView final : public ListView {
 public:
  explicit MemoryListView(std::vector<std::string> columnCaptions);

  int GetCount() const override;
  std::string GetCaption(int row, int column) const override;
  void SetCaption(int row, int column, std::string_view text) override;
  int Insert(int position, std::string_view caption) override;
  void Remove(int row) override;
  std::vector<int> GetSelItems() const override;
  std::string GetColCaption(int column) const override;
  int GetColCount() const override;
  void SetRedraw(bool on) override;

  // Selects or deselects a row that exists.
  void select(int row, bool selected);
  bool redrawOn() const { return redrawOn_; }
  // How often redrawing was switched off, so a test can see that a bulk change paused it.
  int redrawPauses() const { return redrawPauses_; }

 private:
  bool hasRow(int row) const { return row >= 0 && row < GetCount(); }
  bool hasColumn(int column) const { return column >= 0 && column < GetColCount(); }
  std::size_t cellIndex(int row, int column) const {
    return static_cast<std::size_t>(row) * columnCaptions_.size() + column;
  }

  std::vector<std::string> columnCaptions_;
  // All cells row after row, in blocks: no allocation per row and no moving of old rows as the
  // table grows, so big tables load quickly.
  std::deque<std::string> cells_;
  std::vector<bool> selected_;  // one entry per row
  bool redrawOn_ = true;
  int redrawPauses_ = 0;
};

}  // namespace quintrel
