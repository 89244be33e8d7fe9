// The report-style list view that holds the hotkey table: the table has no storage of its own, so
// every reader and writer of rows goes through these operations. The operation names are those of
// the list control the program was first written against.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintrel {

class ListView {
 public:
  // Insert's position for "append at the end".
  static constexpr int kAtEnd = -1;

  ListView() = default;
  ListView(const ListView&) = delete;
  ListView& operator=(const ListView&) = delete;
  virtual ~ListView() = default;

  // Number of rows.
  virtual int GetCount() const = 0;
  // A copy of the cell's text; the empty text for an empty cell and for a row or column that
  // does not exist.
  virtual std::string GetCaption(int row, int column) const = 0;
  // Sets the cell's text; a row or column that does not exist is ignored.
  virtual void SetCaption(int row, int column, std::string_view text) = 0;
  // Inserts a row before position (kAtEnd, or any position past the last row: at the end) with
  // caption in column 0 and its other cells empty; returns the new row's index.
  virtual int Insert(int position, std::string_view caption) = 0;
  // Removes the row; later rows move up by one. A row that does not exist is ignored.
  virtual void Remove(int row) = 0;
  // Indexes of the selected rows, ascending; empty when nothing is selected.
  virtual std::vector<int> GetSelItems() const = 0;
  // The column's title; the empty text for a column that does not exist.
  virtual std::string GetColCaption(int column) const = 0;
  // Number of columns.
  virtual int GetColCount() const = 0;
  // Stops (false) or resumes (true) redrawing, so that rows added meanwhile appear together.
  virtual void SetRedraw(bool on) = 0;
};

}  // namespace quintrel
