#include "ui/qt/qt_record_box.h"

#include <QTextCursor>

#include "ui/qt/cp936_qstring.h"

namespace quintrel::qt {

std::string QtRecordBox::text() const {
  // The box keeps lines apart with "\n"; the recorded lines end with CR LF, as on Windows.
  QString text = box_.toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return toCp936(text);
}

void QtRecordBox::moveCaretToEnd() {
  QTextCursor cursor = box_.textCursor();
  cursor.movePosition(QTextCursor::End);
  box_.setTextCursor(cursor);
}

void QtRecordBox::scrollCaretIntoView() { box_.ensureCursorVisible(); }

void QtRecordBox::replaceSelection(std::string_view text) {
  QString inserted = fromCp936(text);
  inserted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextCursor cursor = box_.textCursor();
  cursor.insertText(inserted);
  box_.setTextCursor(cursor);
}

}  // namespace quintrel::qt
