#include "ui/qt/qt_input_hooks.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <utility>

#include "ui/qt/qt_thread_hooks.h"

// Xlib last: its macros must not meet Qt's headers.
#include "platform/x11/x11_input_hooks.h"

namespace quintrel::qt {

QtInputHooks::QtInputHooks()
    : hooks_(std::make_unique<x11::X11InputHooks>(chains_)),
      threadHooks_(std::make_unique<QtThreadHooks>(chains_)) {
  if (!hooks_->valid()) return;
  auto* notifier = new QSocketNotifier(hooks_->fd(), QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { hooks_->dispatchEvents(); });
  // Events Xlib has already read into its queue wake nothing on the socket.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { hooks_->dispatchEvents(); });
  }
}

QtInputHooks::~QtInputHooks() = default;

HookHandle QtInputHooks::setHook(int kind, HookProcedure procedure, std::uint32_t thread) {
  if (kind == hook::kMouse || kind == hook::kKeyboard) {
    return threadHooks_->setHook(kind, std::move(procedure), thread);
  }
  return hooks_->setHook(kind, std::move(procedure), thread);
}

std::intptr_t QtInputHooks::callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
  return chains_.callNext(hook, code, wParam, lParam);
}

bool QtInputHooks::unhook(HookHandle hook) {
  // Either side's hook: the X side stops listening for what no hook wants any more, the Qt side
  // stops watching the application's events.
  const bool removed = hooks_->unhook(hook);
  threadHooks_->update();
  return removed;
}

void QtInputHooks::deliverPending() { hooks_->deliverPending(); }

std::uint32_t QtInputHooks::windowThread(WindowHandle window) {
  return QtThreadHooks::windowThread(window);
}

}  // namespace quintrel::qt
