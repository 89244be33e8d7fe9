// quintrel for Linux (Qt 6 Widgets on X11).
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>

#include "app/application.h"
#include "table/hotkey_columns.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_input_hooks.h"
#include "ui/qt/termination_signals.h"

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quintrel"));
  QApplication::setWindowIcon(QIcon::fromTheme(
      QStringLiteral("quintrel"), QIcon(QApplication::applicationDirPath() + "/quintrel.png")));

  // The process-wide objects exist before the main window and are released after it is gone.
  quintrel::qt::QtInputHooks inputHooks;
  quintrel::Application app{std::filesystem::path(quintrel::kListFileName), inputHooks};
  quintrel::qt::MainWindow window(app);
  window.created();
  if (const QScreen* screen = QApplication::primaryScreen()) {
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           screen->availableGeometry()));
  }
  window.show();
  const quintrel::qt::TerminationSignals closeOnSignal(window);
  return QApplication::exec();
}
