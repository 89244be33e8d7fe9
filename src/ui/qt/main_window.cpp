#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QWindow>

#include "table/hotkey_columns.h"
#include "ui/qt/cp936_qstring.h"
#include "ui/qt/fonts.h"
#include "ui/qt/hyperlink_label.h"
#include "ui/qt/picture_window.h"

// Xlib last: its macros must not meet Qt's headers.
#include "platform/x11/x11_pointer.h"

namespace quintrel::qt {
namespace {

// Character heights of the fonts, in pixels.
constexpr int kControlFont = 12;
constexpr int kNoticeFont = 14;
constexpr int kHintFont = 15;

template <class Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height,
              int fontHeight) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(left, top, width, height);
  if (fontHeight > 0) widget->setFont(uiFont(fontHeight));
  return widget;
}

std::vector<HotkeyTableModel::Column> hotkeyColumns() {
  return {
      {std::string(kColumnCaptions[kColumnNumber]), 50, Qt::AlignLeft},
      {std::string(kColumnCaptions[kColumnHotkey]), 150, Qt::AlignHCenter},
      {std::string(kColumnCaptions[kColumnX]), 50, Qt::AlignHCenter},
      {std::string(kColumnCaptions[kColumnY]), 50, Qt::AlignHCenter},
      {std::string(kColumnCaptions[kColumnKind]), 80, Qt::AlignHCenter},
  };
}

// Without an X connection (an offscreen run) the pointer stays where it is.
class NoPointer final : public Pointer {
 public:
  ScreenPoint cursorPosition() override { return {}; }
  void setCursorPosition(ScreenPoint) override {}
  void click(MouseButton) override {}
};

}  // namespace

MainWindow::MainWindow(Application& app)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      app_(app) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QStringLiteral("Quintrel V2.0 作者:Morvane"));
  setFixedSize(kClientWidth, kClientHeight);
  if (hotkeyWindow_.connected()) {
    pointer_ = std::make_unique<x11::X11Pointer>(hotkeyWindow_.display());
  } else {
    pointer_ = std::make_unique<NoPointer>();
  }
  buildControls();
}

// The program lets go of the controls before they are destroyed, and the controls' events stop
// reaching it: a focus change while the children go must not call into a half-destroyed window.
MainWindow::~MainWindow() {
  app_.mainWindowDestroyed();
  for (QtHotkeyBox* box : {hotkeyBox1_, hotkeyBox2_}) box->setProcedure(nullptr);
  qDeleteAll(findChildren<KeyPressedEvent*>());
  cells_.reset();
}

void MainWindow::buildControls() {
  auto* hotkeyBox1 = place(new QLineEdit(this), "热键框1", 0, 0, 233, 32, kControlFont);
  hotkeyBox1->setAlignment(Qt::AlignCenter);
  hotkeyBox1->setText(QStringLiteral("请按下热键"));
  hotkeyBox1_ = new QtHotkeyBox(*hotkeyBox1);

  auto* applyButton = place(new QPushButton(QStringLiteral("应用热键列表"), this), "按钮1", 233, 0,
                            80, 32, kControlFont);
  connect(applyButton, &QPushButton::clicked, this, [this] { app_.applyHotkeyList(); });
  auto* removeButton = place(new QPushButton(QStringLiteral("卸载所有热键"), this), "按钮2", 313, 0,
                             80, 32, kControlFont);
  connect(removeButton, &QPushButton::clicked, this, [this] { app_.removeAllHotkeys(); });
  auto* recordOn = place(new QPushButton(QStringLiteral("鼠标记录开"), this), "按钮3", 396, 0, 80,
                         32, kControlFont);
  connect(recordOn, &QPushButton::clicked, this, [this] { app_.startRecording(); });
  auto* recordOff = place(new QPushButton(QStringLiteral("鼠标记录关"), this), "按钮4", 476, 0, 80,
                          32, kControlFont);
  connect(recordOff, &QPushButton::clicked, this, [this] { app_.stopRecording(); });
  auto* addRows = place(new QPushButton(QStringLiteral("添加到列表"), this), "按钮5", 556, 0, 80,
                        32, kControlFont);
  connect(addRows, &QPushButton::clicked, this, [this] { app_.addRecordedRows(); });

  buildTable();

  auto* recordBox = place(new QPlainTextEdit(this), "编辑框2", 392, 32, 248, 312, kControlFont);
  recordBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  recordBox->setTabChangesFocus(true);  // Tab moves on; Enter stays in the box
  recordBox_ = std::make_unique<QtRecordBox>(*recordBox);

  buildCellEditors();

  place(new QLabel(QStringLiteral("本软件免费，如果您在别处花钱购买了此软件，请立即退款！"), this),
        "标签1", 0, 344, 646, 17, kNoticeFont);
  auto* link = place(new HyperlinkLabel(QStringLiteral("请作者喝杯咖啡"), this), "超级链接框1", 0,
                     361, 646, 30, kNoticeFont);
  connect(link, &HyperlinkLabel::pressed, this, &MainWindow::openPictureWindow);
  place(new QLabel(QStringLiteral("提示:热键可重复!双击表项修改!右键表项删除!列表自动读取保存!"),
                   this),
        "标签3", 0, 389, 646, 24, kHintFont);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("时钟1"));  // period 0: stopped
  connect(timer_, &QTimer::timeout, this, &MainWindow::timerFired);
  timerPeriod_ = std::make_unique<QtPeriodTimer>(*timer_);

  // "右键菜单" is never shown as a menu bar, only as a pop-up over the list.
  popupMenu_ = new QMenu(QStringLiteral("右键菜单"), this);
  popupMenu_->setObjectName(QStringLiteral("右键菜单"));
  popupMenu_->addAction(QStringLiteral("删除选中项"))->setObjectName(QStringLiteral("删除选中项"));
  rowMenu_ = std::make_unique<QtContextMenu>(*popupMenu_);
}

// The in-place editors: hidden until an edit lays one over a cell. Each one's key-pressed event
// sees a key before the control itself, the entry box of "热键框2" included.
void MainWindow::buildCellEditors() {
  auto* numberEditor = place(new QLineEdit(this), "编辑框1", 8, 80, 80, 20, 0);
  numberEditor->hide();
  keepSeparatorsOut(*numberEditor);
  numberEditor_ = std::make_unique<QtLineEditEditor>(*numberEditor);

  auto* hotkeyBox2 = place(new QLineEdit(this), "热键框2", 8, 112, 80, 20, kControlFont);
  hotkeyBox2->setText(QStringLiteral("请按下热键"));
  hotkeyBox2->hide();
  hotkeyBox2_ = new QtHotkeyBox(*hotkeyBox2);
  hotkeyEditor_ = std::make_unique<QtLineEditEditor>(*hotkeyBox2);

  auto* kindBox = place(new QComboBox(this), "组合框1", 8, 144, 100, 20, kControlFont);
  kindBox->setEditable(true);
  kindBox->setInsertPolicy(QComboBox::NoInsert);  // Enter stores the cell, it adds no item
  kindBox->addItems({QStringLiteral("左键单击"), QStringLiteral("右键单击")});
  kindBox->setCurrentIndex(0);
  kindBox->hide();
  keepSeparatorsOut(*kindBox->lineEdit());
  kindEditor_ = std::make_unique<QtComboEditor>(*kindBox);

  for (QWidget* editor : {static_cast<QWidget*>(numberEditor), static_cast<QWidget*>(hotkeyBox2),
                          static_cast<QWidget*>(kindBox)}) {
    new KeyPressedEvent(*editor, [this](int key) { app_.editorKeyPressed(key); });
  }
  for (QtHotkeyBox* box : {hotkeyBox1_, hotkeyBox2_}) {
    box->setProcedure([this](HotkeyBoxControl& target, unsigned message, int key) {
      return app_.hotkeyBoxMessage(target, message, key);
    });
  }
}

void MainWindow::buildTable() {
  model_ = new HotkeyTableModel(hotkeyColumns(), this);
  listView_ = place(new QTreeView(this), "超级列表框1", 0, 32, 392, 312, kControlFont);
  listView_->setModel(model_);
  listView_->setRootIsDecorated(false);
  listView_->setItemsExpandable(false);
  listView_->setUniformRowHeights(true);  // keeps big tables fast
  listView_->setAllColumnsShowFocus(true);
  listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  listView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listView_->setSortingEnabled(false);
  listView_->setFrameShape(QFrame::StyledPanel);
  listView_->setFrameShadow(QFrame::Sunken);
  QPalette colours = listView_->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  listView_->setPalette(colours);

  QHeaderView* header = listView_->header();
  header->setSectionsClickable(true);  // clickable, but nothing sorts
  header->setSortIndicatorShown(false);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  const auto& columns = model_->columns();
  for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
    listView_->setColumnWidth(column, columns[column].width);
  }
  table_ = std::make_unique<QtListView>(*model_, *listView_);
  cells_ = std::make_unique<QtListViewCells>(*listView_, *table_);
  cells_->setRightClickHandler([this] { app_.listRightClicked(); });
}

void MainWindow::created() {
  // The window's handle only tells the hooks which program's window this is.
  app_.mainWindowCreated({*table_,
                          hotkeyWindow_,
                          *pointer_,
                          wait_,
                          dialogs_,
                          *recordBox_,
                          static_cast<WindowHandle>(winId()),
                          *cells_,
                          {hotkeyBox1_, hotkeyBox2_},
                          *hotkeyBox2_,
                          *numberEditor_,
                          *hotkeyEditor_,
                          *kindEditor_,
                          *rowMenu_,
                          *timerPeriod_});
}

// Each start of "时钟1" gives exactly one apply: it stops itself once it has fired.
void MainWindow::timerFired() { app_.timerElapsed(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (app_.closeRequested()) {
    wait_.stop();  // a playback in progress ends with the window
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::openPictureWindow() {
  PictureWindow picture(this);
  picture.exec();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  // Only presses on the background arrive here: the controls take their own.
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - dragOffset_);
  }
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace quintrel::qt
