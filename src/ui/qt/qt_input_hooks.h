// The system's input hooks on Linux, all in one chain per kind:
// - the desktop-wide kinds are X11 raw events over the program's own connection, watched by the
//   Qt event loop (no thread); they observe and cannot swallow (x11_input_hooks.h);
// - the thread-bound kinds watch the program's own widgets through Qt, and can swallow
//   (qt_thread_hooks.h).
#pragma once

#include <QObject>
#include <memory>

#include "platform/input_hooks.h"
#include "platform/x11/hook_chains.h"

namespace quintrel::x11 {
class X11InputHooks;
}

namespace quintrel::qt {

class QtThreadHooks;

class QtInputHooks final : public QObject, public InputHooks {
  Q_OBJECT

 public:
  QtInputHooks();
  ~QtInputHooks() override;

  HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread) override;
  std::intptr_t callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  bool unhook(HookHandle hook) override;
  // The GUI thread for a window of the program, else 0.
  std::uint32_t windowThread(WindowHandle window) override;
  void deliverPending() override;

 private:
  x11::HookChains chains_;
  std::unique_ptr<x11::X11InputHooks> hooks_;
  std::unique_ptr<QtThreadHooks> threadHooks_;
};

}  // namespace quintrel::qt
