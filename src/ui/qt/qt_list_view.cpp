#include "ui/qt/qt_list_view.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace quintrel::qt {

QtListView::QtListView(HotkeyTableModel& model, QTreeView& view) : model_(model), view_(view) {}

int QtListView::GetCount() const { return model_.rows().GetCount(); }

std::string QtListView::GetCaption(int row, int column) const {
  return model_.rows().GetCaption(row, column);
}

void QtListView::SetCaption(int row, int column, std::string_view text) {
  if (row < 0 || row >= GetCount() || column < 0 || column >= GetColCount()) return;
  model_.rows().SetCaption(row, column, text);
  model_.cellChanged(row, column);
}

int QtListView::Insert(int position, std::string_view caption) {
  if (position < 0 || position > GetCount()) position = GetCount();
  model_.rowsWillBeInserted(position, position);
  const int row = model_.rows().Insert(position, caption);
  model_.rowsInserted();
  return row;
}

void QtListView::Remove(int row) {
  if (row < 0 || row >= GetCount()) return;
  model_.rowsWillBeRemoved(row, row);
  model_.rows().Remove(row);
  model_.rowsRemoved();
}

std::vector<int> QtListView::GetSelItems() const {
  std::vector<int> rows;
  if (const QItemSelectionModel* selection = view_.selectionModel()) {
    for (const QModelIndex& index : selection->selectedRows()) rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::string QtListView::GetColCaption(int column) const {
  return model_.rows().GetColCaption(column);
}

int QtListView::GetColCount() const { return model_.rows().GetColCount(); }

void QtListView::SetRedraw(bool on) {
  if (on == redrawOn_) return;
  redrawOn_ = on;
  if (on) {
    model_.endBulkChange();
    view_.setUpdatesEnabled(true);
  } else {
    view_.setUpdatesEnabled(false);
    model_.beginBulkChange();
  }
}

}  // namespace quintrel::qt
