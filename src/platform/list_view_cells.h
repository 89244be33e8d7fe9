// The list view control as the in-place cell editor sees it: cells with a place on the screen,
// written the control's own way, and a window that takes the keyboard focus. Positions are in
// the list view's client coordinates, which its embedded editors share.
#pragma once

#include <string_view>

#include "platform/pointer.h"

namespace quintrel {

// A point in the list view's client area.
struct ClientPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ClientPoint&, const ClientPoint&) = default;
};

// A rectangle in the list view's client area; right and bottom lie just outside it.
struct ClientRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const ClientRect&, const ClientRect&) = default;
};

// A cell by row and column; -1 in either where no cell was found.
struct CellAddress {
  int item = -1;
  int column = -1;
  bool isCell() const { return item >= 0 && column >= 0; }
  friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

// Receives the list view's messages before the control handles them itself.
class ListViewMessageHandler {
 public:
  ListViewMessageHandler() = default;
  ListViewMessageHandler(const ListViewMessageHandler&) = delete;
  ListViewMessageHandler& operator=(const ListViewMessageHandler&) = delete;
  virtual ~ListViewMessageHandler() = default;

  // True when the message was consumed: the control must then not handle it itself.
  virtual bool handleListViewMessage(unsigned message) = 0;
};

class ListViewCells {
 public:
  ListViewCells() = default;
  ListViewCells(const ListViewCells&) = delete;
  ListViewCells& operator=(const ListViewCells&) = delete;
  virtual ~ListViewCells() = default;

  // Routes the control's messages to handler first (null: the control handles them alone).
  virtual void setMessageHandler(ListViewMessageHandler* handler) = 0;
  // A screen position in the control's client coordinates.
  virtual ClientPoint toClient(ScreenPoint screen) const = 0;
  // The cell under point; -1 parts where there is none (below the rows, the header).
  virtual CellAddress cellAt(ClientPoint point) const = 0;
  // The label rectangle of a cell, where its text is drawn.
  virtual ClientRect cellRect(CellAddress cell) const = 0;
  // Writes a cell's text through the control itself; the table's readers see it at once.
  virtual void setCellText(CellAddress cell, std::string_view text) = 0;
  // Gives the control the keyboard focus; the focus change is delivered before this returns.
  virtual void takeFocus() = 0;
};

}  // namespace quintrel
