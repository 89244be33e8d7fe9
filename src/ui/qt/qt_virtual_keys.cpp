#include "ui/qt/qt_virtual_keys.h"

// Xlib last: its macros must not meet Qt's headers.
#include "platform/x11/virtual_key_keysyms.h"

namespace quintrel::qt {

int virtualKeyOf(const QKeyEvent& event) {
  const quint32 keysym = event.nativeVirtualKey();
  return keysym == 0 ? 0 : x11::virtualKeyOfKeysym(static_cast<KeySym>(keysym));
}

bool isFocusNavigationKey(const QKeyEvent& event) {
  if (event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab) return false;
  return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
}

}  // namespace quintrel::qt
