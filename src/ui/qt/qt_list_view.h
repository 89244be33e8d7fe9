// The list view "超级列表框1" on Qt: the ListView operations over the table model and its view.
#pragma once

#include <QTreeView>

#include "platform/list_view.h"
#include "ui/qt/hotkey_table_model.h"

namespace quintrel::qt {

class QtListView final : public ListView {
 public:
  // model and view belong to the window; they outlive this object.
  QtListView(HotkeyTableModel& model, QTreeView& view);

  int GetCount() const override;
  std::string GetCaption(int row, int column) const override;
  void SetCaption(int row, int column, std::string_view text) override;
  int Insert(int position, std::string_view caption) override;
  void Remove(int row) override;
  std::vector<int> GetSelItems() const override;
  std::string GetColCaption(int column) const override;
  int GetColCount() const override;
  // Redraw off opens a bulk change of the model: the view is told of all rows at once when
  // redrawing resumes, which keeps loading a big file fast.
  void SetRedraw(bool on) override;

 private:
  HotkeyTableModel& model_;
  QTreeView& view_;
  bool redrawOn_ = true;
};

}  // namespace quintrel::qt
