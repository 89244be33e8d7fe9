#include "ui/qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "platform/fake/fake_input_hooks.h"
#include "test_support.h"
#include "ui/qt/picture_window.h"

namespace quintrel::qt {
namespace {

struct ControlCase {
  const char* name;
  QRect geometry;
  const char* text;  // what the control shows, or nullptr when it shows nothing to check
  bool visible;
  int fontHeight;  // 0: the system's default font
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(app_);
    window_->created();
    window_->show();
  }
  void TearDown() override {
    // Closing saves; leave the test's own folder, not the working folder, to it.
    window_.reset();
  }
  template <class Widget>
  Widget* control(const char* name) {
    return window_->findChild<Widget*>(QString::fromUtf8(name));
  }

  test::TempFolder folder_;
  FakeInputHooks hooks_;
  Application app_{folder_ / "hotkey.txt", hooks_};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, HasEveryControlAtItsPlaceWithItsTextAndFont) {
  const ControlCase cases[] = {
      {"热键框1", {0, 0, 233, 32}, "请按下热键", true, 12},
      {"按钮1", {233, 0, 80, 32}, "应用热键列表", true, 12},
      {"按钮2", {313, 0, 80, 32}, "卸载所有热键", true, 12},
      {"按钮3", {396, 0, 80, 32}, "鼠标记录开", true, 12},
      {"按钮4", {476, 0, 80, 32}, "鼠标记录关", true, 12},
      {"按钮5", {556, 0, 80, 32}, "添加到列表", true, 12},
      {"超级列表框1", {0, 32, 392, 312}, nullptr, true, 12},
      {"编辑框2", {392, 32, 248, 312}, "", true, 12},
      {"编辑框1", {8, 80, 80, 20}, "", false, 0},
      {"热键框2", {8, 112, 80, 20}, "请按下热键", false, 12},
      {"组合框1", {8, 144, 100, 20}, "左键单击", false, 12},
      {"标签1",
       {0, 344, 646, 17},
       "本软件免费，如果您在别处花钱购买了此软件，请立即退款！",
       true,
       14},
      {"超级链接框1", {0, 361, 646, 30}, "请作者喝杯咖啡", true, 14},
      {"标签3",
       {0, 389, 646, 24},
       "提示:热键可重复!双击表项修改!右键表项删除!列表自动读取保存!",
       true,
       15},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* widget = control<QWidget>(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), c.geometry);
    EXPECT_EQ(widget->isVisible(), c.visible);
    if (c.fontHeight > 0) {
      EXPECT_EQ(widget->font().pixelSize(), c.fontHeight);
      EXPECT_TRUE(QFontInfo(widget->font()).family().contains("Hei") ||
                  QFontInfo(widget->font()).family().contains(QStringLiteral("雅黑")))
          << QFontInfo(widget->font()).family().toStdString();
    }
    if (c.text == nullptr) continue;
    QString shown;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) shown = edit->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) shown = button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) shown = box->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) shown = combo->currentText();
    EXPECT_EQ(shown, QString::fromUtf8(c.text));
  }
  EXPECT_EQ(control<QComboBox>("组合框1")->count(), 2);
  EXPECT_TRUE(control<QComboBox>("组合框1")->isEditable());
  EXPECT_EQ(control<QLineEdit>("热键框1")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  ASSERT_NE(window_->findChild<QTimer*>(QStringLiteral("时钟1")), nullptr);
  EXPECT_FALSE(window_->findChild<QTimer*>(QStringLiteral("时钟1"))->isActive());
}

TEST_F(MainWindowTest, IsAFixedWindowWithoutMaximizeOrMenuBar) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quintrel V2.0 作者:Morvane"));
  EXPECT_EQ(window_->size(), QSize(640, 429));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  auto* menu = window_->findChild<QMenu*>(QStringLiteral("右键菜单"));
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->isVisible());
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("删除选中项"));
  EXPECT_TRUE(menu->actions()[0]->isEnabled());
}

TEST_F(MainWindowTest, ListViewHasTheFiveColumnsAndNeverSortsOrEdits) {
  auto* list = control<QTreeView>("超级列表框1");
  ASSERT_NE(list, nullptr);
  const char* titles[] = {"#", "热键", "x", "y", "类型"};
  const int widths[] = {50, 150, 50, 50, 80};
  const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter,
                                      Qt::AlignHCenter, Qt::AlignHCenter};
  ASSERT_EQ(list->model()->columnCount(), 5);
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(),
              QString::fromUtf8(titles[column]));
    EXPECT_EQ(list->columnWidth(column), widths[column]);
    const auto alignment = list->model()
                               ->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                               .value<Qt::Alignment>();
    EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, alignments[column]);
  }
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_TRUE(list->header()->sectionsClickable());

  test::appendRows(window_->table(), {{"2", "B", "", "", ""}, {"1", "A", "", "", ""}});
  QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                    QPoint(list->header()->sectionPosition(0) + 5, 5));
  EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("2"));  // not sorted
}

TEST_F(MainWindowTest, TableShowsCp936CellsAndReportsSelectedRows) {
  QtListView& table = window_->table();
  test::appendRows(table, {{"1", "Ctrl + \xA1\xFB", "5", "6", test::kLeftClick},
                           {"2", "F1", "7", "8", test::kRightClick},
                           {"3", "F2", "9", "10", "\x81"}});
  auto* list = control<QTreeView>("超级列表框1");
  EXPECT_EQ(list->model()->index(0, 1).data().toString(), QStringLiteral("Ctrl + ←"));
  EXPECT_EQ(list->model()->index(1, 4).data().toString(), QStringLiteral("右键单击"));
  EXPECT_EQ(list->model()->index(2, 4).data().toString(), QStringLiteral("\uFFFD"));
  EXPECT_EQ(table.GetCaption(2, 4), "\x81");  // the row keeps its bytes

  EXPECT_TRUE(table.GetSelItems().empty());
  list->selectionModel()->select(list->model()->index(2, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  list->selectionModel()->select(list->model()->index(0, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(table.GetSelItems(), (std::vector<int>{0, 2}));
  table.Remove(1);
  EXPECT_EQ(table.GetSelItems(), (std::vector<int>{0, 1}));
  EXPECT_EQ(list->model()->rowCount(), 2);
}

TEST_F(MainWindowTest, RowsAddedWhileRedrawIsOffAppearTogether) {
  QtListView& table = window_->table();
  auto* list = control<QTreeView>("超级列表框1");
  table.SetRedraw(false);
  for (int i = 0; i < 3; ++i) table.Insert(ListView::kAtEnd, std::to_string(i + 1));
  table.SetCaption(2, 1, "F3");
  EXPECT_FALSE(list->updatesEnabled());
  table.SetRedraw(true);
  EXPECT_TRUE(list->updatesEnabled());
  EXPECT_EQ(list->model()->rowCount(), 3);
  EXPECT_EQ(list->model()->index(2, 1).data().toString(), QStringLiteral("F3"));
}

TEST_F(MainWindowTest, TabMovesFocusEscapeAndF1DoNothingEnterStaysInTheRecordBox) {
  QApplication::setActiveWindow(window_.get());
  auto* hotkeyBox = control<QLineEdit>("热键框1");
  hotkeyBox->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("按钮1"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), hotkeyBox);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), hotkeyBox);  // not with Ctrl held

  auto* recordBox = control<QPlainTextEdit>("编辑框2");
  recordBox->setFocus();
  QTest::keyClick(recordBox, Qt::Key_A);
  QTest::keyClick(recordBox, Qt::Key_Return);
  QTest::keyClick(recordBox, Qt::Key_B);
  EXPECT_EQ(recordBox->toPlainText(), QStringLiteral("a\nb"));
  EXPECT_EQ(QApplication::focusWidget(), recordBox);

  QTest::keyClick(recordBox, Qt::Key_Escape);
  QTest::keyClick(recordBox, Qt::Key_F1);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A key as X delivers it: with its keysym, from which the entry boxes read the virtual key.
void sendKey(QWidget* widget, QEvent::Type type, int key, quint32 keysym,
             Qt::KeyboardModifiers modifiers) {
  QKeyEvent event(type, key, modifiers, 0, keysym, 0);
  QApplication::sendEvent(widget, &event);
}

TEST_F(MainWindowTest, CtrlTabInTheTopEntryBoxBecomesAHotkeyAndARow) {
  QApplication::setActiveWindow(window_.get());
  auto* box = control<QLineEdit>("热键框1");
  box->setFocus();
  constexpr quint32 kControlKeysym = 0xffe3, kTabKeysym = 0xff09;
  sendKey(box, QEvent::KeyPress, Qt::Key_Control, kControlKeysym, Qt::ControlModifier);
  EXPECT_EQ(box->text(), QStringLiteral("Ctrl + "));
  EXPECT_EQ(window_->table().GetCount(), 0);
  sendKey(box, QEvent::KeyPress, Qt::Key_Tab, kTabKeysym, Qt::ControlModifier);
  EXPECT_EQ(box->text(), QStringLiteral("Ctrl + Tab"));
  EXPECT_NE(QApplication::focusWidget(), box);  // the box lets go of the keyboard
  ASSERT_EQ(window_->table().GetCount(), 1);
  EXPECT_EQ(window_->table().GetCaption(0, 1), "Ctrl + Tab");
  // Typed characters never change an entry box.
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("xy"));
  EXPECT_EQ(box->text(), QStringLiteral("Ctrl + Tab"));
}

TEST_F(MainWindowTest, CellEditorsKeepTheListFileSeparatorsOut) {
  auto* numberEditor = control<QLineEdit>("编辑框1");
  numberEditor->show();
  numberEditor->setFocus();
  QTest::keyClicks(numberEditor, QStringLiteral("1|2"));
  EXPECT_EQ(numberEditor->text(), QStringLiteral("12"));
  QLineEdit* kindText = control<QComboBox>("组合框1")->lineEdit();
  kindText->clear();
  QTest::keyClicks(kindText, QStringLiteral("a|b"));
  EXPECT_EQ(kindText->text(), QStringLiteral("ab"));
}

TEST_F(MainWindowTest, PressOnTheLinkOpensThePictureModallyBeforeRelease) {
  QString seenName;
  QSize pictureSize;
  bool pictureShown = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    seenName = modal->objectName();
    if (auto* picture = modal->findChild<QLabel*>(QStringLiteral("图片框1"))) {
      pictureSize = picture->size();
      pictureShown = !picture->pixmap().isNull();
    }
    modal->close();
  });
  QTest::mousePress(control<QWidget>("超级链接框1"), Qt::LeftButton);
  EXPECT_EQ(seenName, QStringLiteral("PictureWindow"));
  EXPECT_EQ(pictureSize, QSize(902, 476));
  EXPECT_EQ(pictureShown, !PictureWindow::picturePath().isEmpty());
}

}  // namespace
}  // namespace quintrel::qt
