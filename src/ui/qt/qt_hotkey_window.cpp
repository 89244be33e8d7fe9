#include "ui/qt/qt_hotkey_window.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>

// Xlib last: its macros (None, Bool, Status ...) must not meet Qt's headers.
#include "platform/x11/x11_hotkeys.h"

namespace quintrel::qt {

QtHotkeyWindow::QtHotkeyWindow()
    : hotkeys_(std::make_unique<x11::X11Hotkeys>([this](int id, long lParam) {
        send(kWmHotkey, static_cast<std::uintptr_t>(id), static_cast<std::intptr_t>(lParam));
      })) {
  if (!hotkeys_->valid()) return;
  notifier_ = new QSocketNotifier(hotkeys_->fd(), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &QtHotkeyWindow::dispatchX11Events);
  // Xlib may have read events into its queue while answering a request; they would wait for the
  // next byte on the socket without this.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
            &QtHotkeyWindow::dispatchX11Events);
  }
}

QtHotkeyWindow::~QtHotkeyWindow() = default;

bool QtHotkeyWindow::connected() const { return hotkeys_->valid(); }

_XDisplay* QtHotkeyWindow::display() const { return hotkeys_->display(); }

void QtHotkeyWindow::dispatchX11Events() { hotkeys_->dispatchEvents(); }

bool QtHotkeyWindow::registerHotkey(int id, unsigned modifiers, int virtualKey) {
  return hotkeys_->grab(id, modifiers, virtualKey);
}

bool QtHotkeyWindow::unregisterHotkey(int id) { return hotkeys_->ungrab(id); }

void* QtHotkeyWindow::property(std::string_view name) const {
  const auto it = properties_.find(name);
  return it != properties_.end() ? it->second : nullptr;
}

void QtHotkeyWindow::setProperty(std::string_view name, void* value) {
  properties_[std::string(name)] = value;
}

void QtHotkeyWindow::removeProperty(std::string_view name) {
  const auto it = properties_.find(name);
  if (it != properties_.end()) properties_.erase(it);
}

WindowProcedure* QtHotkeyWindow::setProcedure(WindowProcedure* procedure) {
  WindowProcedure* previous = procedure_;
  procedure_ = procedure != nullptr ? procedure : &ownProcedure_;
  return previous;
}

}  // namespace quintrel::qt
