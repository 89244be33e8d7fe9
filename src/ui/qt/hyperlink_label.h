// A label that looks like a link and acts the moment the left button goes down on it, before
// the release (the picture window opens on the press).
#pragma once

#include <QLabel>

namespace quintrel::qt {

class HyperlinkLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit HyperlinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quintrel::qt
