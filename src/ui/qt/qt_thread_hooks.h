// Thread-bound input hooks (the mouse and keyboard hooks of one thread's windows) on the program's
// own widgets. Everything runs on the one GUI thread, so every window of the program belongs to it;
// only Qt sees the input of these windows, so the hooks live here, as an event filter on the whole
// application that shows each key and mouse event to the hooks before any widget sees it.
//
// The hooks see what Windows shows its thread hooks: input the system delivers (spontaneous
// events), not events the program makes and sends itself (as a sent message passes no hook on
// Windows). Mouse events become a message (WM_LBUTTONDOWN ..., WM_MOUSEMOVE, WM_MOUSEWHEEL) with a
// ThreadMouseRecord; key events become (virtual-key code, key flags). Unlike the desktop-wide
// hooks, these can swallow: when the chain returns anything but 0 the widget never gets the event.
//
// Qt offers an event that a widget leaves unaccepted to its parents, one by one; each event is
// shown to the hooks once, at the first widget that gets it.
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>
#include <cstdint>

#include "platform/input_hooks.h"
#include "platform/x11/hook_chains.h"

namespace quintrel::qt {

// The window message of a mouse event of this type and button; 0 for a button Windows has none for.
unsigned threadMouseMessage(QEvent::Type type, Qt::MouseButton button);
// Where a Qt global position is, in screen pixels of the Windows convention (the primary screen's
// top left is (0, 0)).
QPoint screenPixels(const QPointF& global);
// The key flags of a key event as a thread-bound keyboard hook gets them in lParam: repeat count 1,
// the scan code in bits 16 to 23, Alt held in bit 29, the key down before in bit 30 (an
// auto-repeated press, and every release), a release in bit 31.
std::intptr_t threadKeyFlags(bool release, bool autoRepeat, bool altHeld,
                             std::uint32_t nativeScanCode);

class QtThreadHooks final : public QObject {
  Q_OBJECT

 public:
  // The one thread of the program, as windowThread names it.
  static constexpr std::uint32_t kGuiThread = 1;
  // Keeps its hooks in chains, which must outlive this object.
  explicit QtThreadHooks(x11::HookChains& chains);
  ~QtThreadHooks() override;

  // Installs a hook of kind hook::kMouse or hook::kKeyboard on thread kGuiThread; 0 for another
  // kind or thread, or without an application.
  HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread);
  // Watches the application's events while the chains hold a thread-bound hook, and only then:
  // after every change of the chains.
  void update();
  // kGuiThread for a window of the program (a widget's or a top-level window's id), else 0.
  static std::uint32_t windowThread(WindowHandle window);

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  bool mouse(QWidget& widget, QSinglePointEvent& event, unsigned message);
  bool key(QWidget& widget, QKeyEvent& event);
  // Whether the chain's result keeps the event from the widget; such an event counts as taken,
  // so Qt offers it to no parent.
  static bool swallowed(QEvent& event, std::intptr_t result);

  x11::HookChains& chains_;
  bool filtering_ = false;
  // The key event shown last, and the widget Qt has offered it to last: the same event at that
  // widget's parent is its propagation, not a new key stroke.
  const QEvent* keyEvent_ = nullptr;
  QPointer<QWidget> keyWidget_;
  bool keySwallowed_ = false;
};

}  // namespace quintrel::qt
