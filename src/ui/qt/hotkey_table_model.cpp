#include "ui/qt/hotkey_table_model.h"

#include "ui/qt/cp936_qstring.h"

namespace quintrel::qt {
namespace {

std::vector<std::string> captionsOf(const std::vector<HotkeyTableModel::Column>& columns) {
  std::vector<std::string> captions;
  for (const auto& column : columns) captions.push_back(column.caption);
  return captions;
}

}  // namespace

HotkeyTableModel::HotkeyTableModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)), rows_(captionsOf(columns_)) {}

int HotkeyTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.GetCount();
}

int HotkeyTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.GetColCount();
}

QVariant HotkeyTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return fromCp936(rows_.GetCaption(index.row(), index.column()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(columns_[index.column()].alignment | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant HotkeyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return fromCp936(columns_[section].caption);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(columns_[section].alignment | Qt::AlignVCenter);
    default:
      return {};
  }
}

void HotkeyTableModel::beginBulkChange() {
  if (bulkDepth_++ == 0) beginResetModel();
}

void HotkeyTableModel::endBulkChange() {
  if (bulkDepth_ > 0 && --bulkDepth_ == 0) endResetModel();
}

void HotkeyTableModel::rowsWillBeInserted(int first, int last) {
  if (!inBulkChange()) beginInsertRows(QModelIndex(), first, last);
}

void HotkeyTableModel::rowsInserted() {
  if (!inBulkChange()) endInsertRows();
}

void HotkeyTableModel::rowsWillBeRemoved(int first, int last) {
  if (!inBulkChange()) beginRemoveRows(QModelIndex(), first, last);
}

void HotkeyTableModel::rowsRemoved() {
  if (!inBulkChange()) endRemoveRows();
}

void HotkeyTableModel::cellChanged(int row, int column) {
  if (inBulkChange()) return;
  const QModelIndex cell = index(row, column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

}  // namespace quintrel::qt
