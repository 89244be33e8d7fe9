// The window behind "请作者喝杯咖啡": one picture, shown modally over the main window.
#pragma once

#include <QDialog>

namespace quintrel::qt {

class PictureWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit PictureWindow(QWidget* owner);

  // Where the picture is looked for: beside the program, then in the installed data folder.
  static QString picturePath();
};

}  // namespace quintrel::qt
