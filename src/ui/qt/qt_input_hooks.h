// The system's input hooks on Linux: X11 raw events over the program's own connection, watched by
// the Qt event loop (no thread).
#pragma once

#include <QObject>
#include <memory>

#include "platform/input_hooks.h"

namespace quintrel::x11 {
class X11InputHooks;
}

namespace quintrel::qt {

class QtInputHooks final : public QObject, public InputHooks {
  Q_OBJECT

 public:
  QtInputHooks();
  ~QtInputHooks() override;

  HookHandle setHook(int kind, HookProcedure procedure, std::uint32_t thread) override;
  std::intptr_t callNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  bool unhook(HookHandle hook) override;
  std::uint32_t windowThread(WindowHandle window) override;
  void deliverPending() override;

 private:
  std::unique_ptr<x11::X11InputHooks> hooks_;
};

}  // namespace quintrel::qt
