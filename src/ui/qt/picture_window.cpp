#include "ui/qt/picture_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

#include "ui/qt/fonts.h"

namespace quintrel::qt {

namespace {
constexpr int kPictureWidth = 902;
constexpr int kPictureHeight = 476;
const char kPictureFile[] = "coffee.png";
}  // namespace

QString PictureWindow::picturePath() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& candidate :
       {programDir.filePath(kPictureFile),
        programDir.filePath(QStringLiteral("../share/quintrel/") + kPictureFile)}) {
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  }
  return {};
}

PictureWindow::PictureWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("PictureWindow"));
  setWindowTitle(QString());
  setModal(true);
  setFixedSize(kPictureWidth, kPictureHeight);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("图片框1"));
  picture->setGeometry(0, 0, kPictureWidth, kPictureHeight);
  picture->setAlignment(Qt::AlignCenter);
  const QPixmap pixmap(picturePath());
  if (pixmap.isNull()) {
    // A missing picture is no reason to fail: say what is missing instead.
    picture->setFont(uiFont(15));
    picture->setText(QStringLiteral("图片 %1 不在程序旁边。").arg(QLatin1String(kPictureFile)));
  } else {
    picture->setPixmap(pixmap.scaled(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation));
  }
}

}  // namespace quintrel::qt
