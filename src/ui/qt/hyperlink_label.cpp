#include "ui/qt/hyperlink_label.h"

#include <QMouseEvent>

namespace quintrel::qt {

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
    emit pressed();
    return;
  }
  QLabel::mousePressEvent(event);
}

}  // namespace quintrel::qt
