#include "table/memory_list_view.h"

#include <utility>

namespace quintrel {

MemoryListView::MemoryListView(std::vector<std::string> columnCaptions)
    : columnCaptions_(std::move(columnCaptions)) {}

int MemoryListView::GetCount() const { return static_cast<int>(selected_.size()); }

std::string MemoryListView::GetCaption(int row, int column) const {
  if (!hasRow(row) || !hasColumn(column)) return {};
  return cells_[cellIndex(row, column)];
}

void MemoryListView::SetCaption(int row, int column, std::string_view text) {
  if (!hasRow(row) || !hasColumn(column)) return;
  cells_[cellIndex(row, column)].assign(text);
}

int MemoryListView::Insert(int position, std::string_view caption) {
  if (position < 0 || position > GetCount()) position = GetCount();
  const auto at = cells_.begin() + static_cast<std::ptrdiff_t>(cellIndex(position, 0));
  const auto first = cells_.insert(at, columnCaptions_.size(), std::string());
  if (!columnCaptions_.empty()) first->assign(caption);
  selected_.insert(selected_.begin() + position, false);
  return position;
}

void MemoryListView::Remove(int row) {
  if (!hasRow(row)) return;
  const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(cellIndex(row, 0));
  cells_.erase(first, first + static_cast<std::ptrdiff_t>(columnCaptions_.size()));
  selected_.erase(selected_.begin() + row);
}

std::vector<int> MemoryListView::GetSelItems() const {
  std::vector<int> selected;
  for (int i = 0; i < GetCount(); ++i) {
    if (selected_[i]) selected.push_back(i);
  }
  return selected;
}

std::string MemoryListView::GetColCaption(int column) const {
  return hasColumn(column) ? columnCaptions_[column] : std::string();
}

int MemoryListView::GetColCount() const { return static_cast<int>(columnCaptions_.size()); }

void MemoryListView::SetRedraw(bool on) {
  if (redrawOn_ && !on) ++redrawPauses_;
  redrawOn_ = on;
}

void MemoryListView::select(int row, bool selected) {
  if (hasRow(row)) selected_[row] = selected;
}

}  // namespace quintrel
