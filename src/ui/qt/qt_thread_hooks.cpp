#include "ui/qt/qt_thread_hooks.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <utility>

#include "platform/window_messages.h"
#include "ui/qt/qt_virtual_keys.h"

namespace quintrel::qt {
namespace {

// Messages window_messages.h leaves out: no core procedure reads them.
constexpr unsigned kWmXButtonDblClk = 0x020D;
constexpr unsigned kWmMouseHWheel = 0x020E;
constexpr std::uint32_t kHitClient = 1;  // HTCLIENT: Qt's widgets have no frame of their own

}  // namespace

unsigned threadMouseMessage(QEvent::Type type, Qt::MouseButton button) {
  if (type == QEvent::MouseMove) return msg::kWmMouseMove;
  // Each button's down, up and double-click messages, in that order.
  unsigned down = 0;
  switch (button) {
    case Qt::LeftButton:
      down = msg::kWmLButtonDown;
      break;
    case Qt::RightButton:
      down = msg::kWmRButtonDown;
      break;
    case Qt::MiddleButton:
      down = msg::kWmMButtonDown;
      break;
    case Qt::BackButton:  // XBUTTON1
    case Qt::ForwardButton:
      if (type == QEvent::MouseButtonDblClick) return kWmXButtonDblClk;
      return type == QEvent::MouseButtonPress ? msg::kWmXButtonDown : msg::kWmXButtonUp;
    default:
      return 0;
  }
  switch (type) {
    case QEvent::MouseButtonPress:
      return down;
    case QEvent::MouseButtonRelease:
      return down + 1;
    case QEvent::MouseButtonDblClick:
      return down + 2;
    default:
      return 0;
  }
}

QPoint screenPixels(const QPointF& global) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) return global.toPoint();
  const QScreen* screen = QGuiApplication::screenAt(global.toPoint());
  if (screen == nullptr) screen = primary;
  // Qt scales positions on a screen about the screen's top left, which it keeps in pixels.
  const QPointF origin = screen->geometry().topLeft();
  const QPointF pixels = origin + (global - origin) * screen->devicePixelRatio();
  return (pixels - QPointF(primary->geometry().topLeft())).toPoint();
}

std::intptr_t threadKeyFlags(bool release, bool autoRepeat, bool altHeld,
                             std::uint32_t nativeScanCode) {
  // On X11 the native scan code is the X keycode, the evdev code + 8; Windows' scan codes agree
  // with evdev codes for the keys of a PC keyboard.
  const std::uint32_t scanCode = nativeScanCode >= 8 ? (nativeScanCode - 8) & 0xFF : 0;
  std::uint32_t flags = 1 | scanCode << 16;
  if (altHeld) flags |= 1u << 29;
  if (autoRepeat || release) flags |= 1u << 30;
  if (release) flags |= 1u << 31;
  // lParam carries the 32 bits as they are, bit 31 included, as on 32-bit Windows.
  return static_cast<std::intptr_t>(static_cast<std::int32_t>(flags));
}

QtThreadHooks::QtThreadHooks(x11::HookChains& chains) : chains_(chains) {}

QtThreadHooks::~QtThreadHooks() {
  if (filtering_ && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeEventFilter(this);
  }
}

HookHandle QtThreadHooks::setHook(int kind, HookProcedure procedure, std::uint32_t thread) {
  const bool threadBound = kind == hook::kMouse || kind == hook::kKeyboard;
  if (!threadBound || thread != kGuiThread || !procedure ||
      QCoreApplication::instance() == nullptr) {
    return 0;
  }
  const HookHandle handle = chains_.add(kind, std::move(procedure));
  update();
  return handle;
}

void QtThreadHooks::update() {
  QCoreApplication* application = QCoreApplication::instance();
  const bool wanted = chains_.has(hook::kMouse) || chains_.has(hook::kKeyboard);
  if (application == nullptr || wanted == filtering_) return;
  if (wanted) {
    application->installEventFilter(this);
  } else {
    application->removeEventFilter(this);
    keyEvent_ = nullptr;
  }
  filtering_ = wanted;
}

std::uint32_t QtThreadHooks::windowThread(WindowHandle window) {
  if (window == 0 || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return 0;
  }
  const auto id = static_cast<WId>(window);
  if (QWidget::find(id) != nullptr) return kGuiThread;
  const auto windows = QGuiApplication::allWindows();
  for (const QWindow* shown : windows) {
    if (shown->handle() != nullptr && shown->winId() == id) return kGuiThread;
  }
  return 0;
}

bool QtThreadHooks::eventFilter(QObject* receiver, QEvent* event) {
  // Qt hands a system event to the Qt window first (no widget), then to the widget it is for.
  if (!event->spontaneous() || !receiver->isWidgetType()) return false;
  auto& widget = static_cast<QWidget&>(*receiver);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
      // Qt offers an unaccepted mouse event to the parents as a copy that is not spontaneous:
      // only the first widget's gets here.
      auto& mouseEvent = static_cast<QMouseEvent&>(*event);
      return mouse(widget, mouseEvent, threadMouseMessage(event->type(), mouseEvent.button()));
    }
    case QEvent::Wheel: {  // as for the buttons
      auto& wheel = static_cast<QWheelEvent&>(*event);
      return mouse(widget, wheel,
                   wheel.angleDelta().y() != 0 ? msg::kWmMouseWheel : kWmMouseHWheel);
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return key(widget, static_cast<QKeyEvent&>(*event));
    default:
      return false;
  }
}

bool QtThreadHooks::mouse(QWidget& widget, QSinglePointEvent& event, unsigned message) {
  if (message == 0 || !chains_.has(hook::kMouse)) return false;
  hook::ThreadMouseRecord record;
  const QPoint at = screenPixels(event.globalPosition());
  record.x = at.x();
  record.y = at.y();
  record.window = static_cast<WindowHandle>(widget.effectiveWinId());
  record.hitTestCode = kHitClient;
  return swallowed(event, chains_.callNewest(hook::kMouse, hook::kAction, message,
                                             reinterpret_cast<std::intptr_t>(&record)));
}

bool QtThreadHooks::key(QWidget& widget, QKeyEvent& event) {
  if (!chains_.has(hook::kKeyboard)) return false;
  // Qt offers an unaccepted key event to the parents as the same event, and some versions keep
  // it spontaneous: the event shown last, at the parent of its widget, is no new key stroke.
  if (&event == keyEvent_ && keyWidget_ != nullptr && keyWidget_->parentWidget() == &widget) {
    keyWidget_ = &widget;
    return keySwallowed_ && swallowed(event, 1);
  }
  const bool release = event.type() == QEvent::KeyRelease;
  const std::intptr_t flags =
      threadKeyFlags(release, event.isAutoRepeat(), event.modifiers().testFlag(Qt::AltModifier),
                     event.nativeScanCode());
  QPointer<QWidget> target = &widget;
  // wParam is the virtual key as a window's key message has it: Shift, Ctrl and Alt without a side.
  const auto virtualKey = static_cast<std::uintptr_t>(virtualKeyOf(event));
  const std::intptr_t result =
      chains_.callNewest(hook::kKeyboard, hook::kAction, virtualKey, flags);
  // Set once the hooks are done: one of them may have run a dialog, with key events of its own.
  keyEvent_ = &event;
  keyWidget_ = target;
  keySwallowed_ = swallowed(event, result);
  return keySwallowed_;
}

bool QtThreadHooks::swallowed(QEvent& event, std::intptr_t result) {
  // Windows keeps the event from its window for any result but 0.
  if (result == 0) return false;
  event.accept();
  return true;
}

}  // namespace quintrel::qt
