#include "ui/qt/qt_list_view_cells.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/window_messages.h"
#include "ui/qt/qt_list_view.h"

namespace quintrel::qt {

QtListViewCells::QtListViewCells(QTreeView& view, QtListView& table) : view_(view), table_(table) {
  view_.installEventFilter(this);
  view_.viewport()->installEventFilter(this);
  // A scroll bar takes no focus, so its use must end an edit itself; actionTriggered comes before
  // the list moves.
  connect(view_.verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
          [this] { deliver(msg::kWmVScroll); });
  connect(view_.horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
          [this] { deliver(msg::kWmHScroll); });
}

QtListViewCells::~QtListViewCells() {
  view_.removeEventFilter(this);
  view_.viewport()->removeEventFilter(this);
}

ClientPoint QtListViewCells::toClient(ScreenPoint screen) const {
  const QPoint point = view_.viewport()->mapFromGlobal(QPoint(screen.x, screen.y));
  return {point.x(), point.y()};
}

CellAddress QtListViewCells::cellAt(ClientPoint point) const {
  CellAddress cell;
  const QPoint at(point.x, point.y);
  if (!view_.viewport()->rect().contains(at)) return cell;
  const QModelIndex index = view_.indexAt(at);
  if (index.isValid()) return {index.row(), index.column()};
  // Below the rows: no item, but the column is still known.
  cell.column = view_.columnAt(point.x);
  return cell;
}

ClientRect QtListViewCells::cellRect(CellAddress cell) const {
  const QRect rect = view_.visualRect(view_.model()->index(cell.item, cell.column));
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

void QtListViewCells::setCellText(CellAddress cell, std::string_view text) {
  table_.SetCaption(cell.item, cell.column, text);
}

void QtListViewCells::takeFocus() {
  const bool hadFocus = view_.hasFocus();
  view_.setFocus(Qt::OtherFocusReason);
  // Qt tells a widget of its focus only while its window is the active one; the list's taking
  // the focus must still end an edit when the window is not.
  if (!hadFocus && !view_.hasFocus()) deliver(msg::kWmSetFocus);
}

bool QtListViewCells::deliver(unsigned message) {
  return handler_ != nullptr && handler_->handleListViewMessage(message);
}

bool QtListViewCells::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &view_) {
    if (event->type() == QEvent::FocusIn) deliver(msg::kWmSetFocus);
    return false;
  }
  if (watched != view_.viewport()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        return deliver(msg::kWmLButtonDblClk);
      }
      return false;
    case QEvent::Wheel:
      return deliver(msg::kWmMouseWheel);
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && rightClicked_) {
        rightClicked_();
      }
      return false;
    default:
      return false;
  }
}

}  // namespace quintrel::qt
