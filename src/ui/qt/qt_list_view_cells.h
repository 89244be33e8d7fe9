// The list view "超级列表框1" as the in-place cell editor sees it. Positions are in the
// coordinates of the view's viewport, the area below the header where the rows are drawn; the
// editors are children of the viewport, so a cell rectangle places them exactly over the cell.
//
// The view's events become the messages of the list view's procedure: a double-click in the rows,
// the view's gaining the focus, the scroll bars' actions and the wheel; each reaches the handler
// before the view handles it itself. A right click in the rows (not on the header) is the list's
// right-click event.
#pragma once

#include <QObject>
#include <QTreeView>
#include <functional>

#include "platform/list_view_cells.h"

namespace quintrel::qt {

class QtListView;

class QtListViewCells final : public QObject, public ListViewCells {
  Q_OBJECT

 public:
  // table writes the cells, so the model and the view hear of each change; both outlive this.
  QtListViewCells(QTreeView& view, QtListView& table);
  ~QtListViewCells() override;

  // Runs when the right mouse button is released over the rows or below them.
  void setRightClickHandler(std::function<void()> handler) { rightClicked_ = std::move(handler); }

  void setMessageHandler(ListViewMessageHandler* handler) override { handler_ = handler; }
  ClientPoint toClient(ScreenPoint screen) const override;
  CellAddress cellAt(ClientPoint point) const override;
  ClientRect cellRect(CellAddress cell) const override;
  void setCellText(CellAddress cell, std::string_view text) override;
  void takeFocus() override;

  // Where the editors live.
  QWidget& viewport() const { return *view_.viewport(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool deliver(unsigned message);

  QTreeView& view_;
  QtListView& table_;
  ListViewMessageHandler* handler_ = nullptr;
  std::function<void()> rightClicked_;
};

}  // namespace quintrel::qt
