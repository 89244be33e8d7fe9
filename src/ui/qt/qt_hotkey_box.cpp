#include "ui/qt/qt_hotkey_box.h"

#include <QKeyEvent>

#include "platform/window_messages.h"
#include "ui/qt/cp936_qstring.h"
#include "ui/qt/qt_virtual_keys.h"

namespace quintrel::qt {

QtHotkeyBox::QtHotkeyBox(QLineEdit& box) : QObject(&box), box_(box) {
  box_.installEventFilter(this);
}

std::string QtHotkeyBox::name() const { return toCp936(box_.objectName()); }
std::string QtHotkeyBox::text() const { return toCp936(box_.text()); }
void QtHotkeyBox::setText(std::string_view text) { box_.setText(fromCp936(text)); }

void QtHotkeyBox::dropFocus() {
  // clearFocus delivers the focus loss at once and leaves the window without a focus widget.
  box_.clearFocus();
}

bool QtHotkeyBox::eventFilter(QObject*, QEvent* event) {
  if (!procedure_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      if (isFocusNavigationKey(key)) return false;
      const bool down = event->type() == QEvent::KeyPress;
      // X repeats a held key as release and press pairs; Windows sends only the presses again.
      if (!down && key.isAutoRepeat()) return true;
      const bool alt = (key.modifiers() & Qt::AltModifier) != 0 || key.key() == Qt::Key_Alt;
      const unsigned message = down ? (alt ? msg::kWmSysKeyDown : msg::kWmKeyDown)
                                    : (alt ? msg::kWmSysKeyUp : msg::kWmKeyUp);
      return procedure_(*this, message, virtualKeyOf(key));
    }
    case QEvent::FocusOut:
      procedure_(*this, msg::kWmKillFocus, 0);
      return false;
    default:
      return false;
  }
}

}  // namespace quintrel::qt
