#include "ui/qt/qt_dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/cp936_qstring.h"
#include "ui/qt/fonts.h"

namespace quintrel::qt {
namespace {

void prepare(QMessageBox& box, std::string_view text, std::string_view title) {
  box.setWindowTitle(fromCp936(title));
  box.setText(fromCp936(text));
  box.setFont(uiFont(12));
  box.setWindowModality(Qt::ApplicationModal);
}

}  // namespace

void QtDialogs::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  QMessageBox box(owner_);
  prepare(box, text, title);
  box.setIcon(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool QtDialogs::ask(std::string_view text, std::string_view title, std::string_view acceptText,
                    std::string_view rejectText) {
  QMessageBox box(owner_);
  prepare(box, text, title);
  box.setIcon(QMessageBox::Warning);
  QPushButton* accept = box.addButton(fromCp936(acceptText), QMessageBox::DestructiveRole);
  QPushButton* reject = box.addButton(fromCp936(rejectText), QMessageBox::RejectRole);
  // The safe answer is the one Enter, Esc and the close button give.
  box.setDefaultButton(reject);
  box.setEscapeButton(reject);
  box.exec();
  return box.clickedButton() == accept;
}

}  // namespace quintrel::qt
