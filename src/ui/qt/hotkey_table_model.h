// The hotkey table as Qt sees it: the rows live in a MemoryListView (code page 936 bytes, as the
// core reads and writes them); the model only converts the visible cells for display.
#pragma once

#include <QAbstractTableModel>
#include <QVector>

#include "table/memory_list_view.h"

namespace quintrel::qt {

class HotkeyTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Column {
    std::string caption;  // code page 936
    int width;
    Qt::Alignment alignment;
  };

  explicit HotkeyTableModel(std::vector<Column> columns, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  const std::vector<Column>& columns() const { return columns_; }
  MemoryListView& rows() { return rows_; }
  const MemoryListView& rows() const { return rows_; }

  // Changes made to rows() go through these, so the views learn of them. While a bulk change is
  // open, single changes send nothing and the views are told once, when it ends.
  void beginBulkChange();
  void endBulkChange();
  bool inBulkChange() const { return bulkDepth_ > 0; }
  void rowsWillBeInserted(int first, int last);
  void rowsInserted();
  void rowsWillBeRemoved(int first, int last);
  void rowsRemoved();
  void cellChanged(int row, int column);

 private:
  std::vector<Column> columns_;
  MemoryListView rows_;
  int bulkDepth_ = 0;
};

}  // namespace quintrel::qt
