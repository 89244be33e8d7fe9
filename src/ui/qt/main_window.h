// The main window "Quintrel V2.0 作者:Morvane": every control at its place, with its name as the
// widget's object name, so that later work (and the tests) find them by name.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPoint>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <memory>

#include "app/application.h"
#include "ui/qt/hotkey_table_model.h"
#include "ui/qt/qt_context_menu.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_editor_controls.h"
#include "ui/qt/qt_hotkey_box.h"
#include "ui/qt/qt_hotkey_window.h"
#include "ui/qt/qt_list_view.h"
#include "ui/qt/qt_list_view_cells.h"
#include "ui/qt/qt_message_wait.h"
#include "ui/qt/qt_period_timer.h"
#include "ui/qt/qt_record_box.h"

namespace quintrel::qt {

class HyperlinkLabel;

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // The client area: the Windows window is 646 x 458 outside with a fixed single frame.
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 429;

  explicit MainWindow(Application& app);
  ~MainWindow() override;

  // Runs the start-up work of the created window (fills the table); call once, before show().
  void created();

  QtListView& table() { return *table_; }
  QtHotkeyWindow& hotkeyWindow() { return hotkeyWindow_; }
  HotkeyTableModel& tableModel() { return *model_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void buildControls();
  void buildTable();
  void buildCellEditors();
  void openPictureWindow();
  void timerFired();

  Application& app_;
  QtDialogs dialogs_{this};
  QtHotkeyWindow hotkeyWindow_;
  QtMessageWait wait_;
  std::unique_ptr<Pointer> pointer_;
  std::unique_ptr<QtRecordBox> recordBox_;
  HotkeyTableModel* model_ = nullptr;
  QTreeView* listView_ = nullptr;
  std::unique_ptr<QtListView> table_;
  std::unique_ptr<QtListViewCells> cells_;
  QtHotkeyBox* hotkeyBox1_ = nullptr;  // owned by its line edit
  QtHotkeyBox* hotkeyBox2_ = nullptr;
  std::unique_ptr<QtLineEditEditor> numberEditor_;
  std::unique_ptr<QtLineEditEditor> hotkeyEditor_;
  std::unique_ptr<QtComboEditor> kindEditor_;
  QTimer* timer_ = nullptr;
  std::unique_ptr<QtPeriodTimer> timerPeriod_;
  QMenu* popupMenu_ = nullptr;
  std::unique_ptr<QtContextMenu> rowMenu_;
  // Dragging by the background when the window manager cannot move the window itself.
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace quintrel::qt
