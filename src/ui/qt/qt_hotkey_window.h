// The main window as the hotkey registry sees it on Linux: its hotkeys are X11 key grabs made over
// a connection of the program's own, watched by the Qt event loop (no thread); its properties and
// procedure slot are kept here, and a pressed hotkey is sent as WM_HOTKEY to the current procedure.
#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <string>

#include "platform/hotkey_window.h"

class QSocketNotifier;
struct _XDisplay;

namespace quintrel::x11 {
class X11Hotkeys;
}

namespace quintrel::qt {

class QtHotkeyWindow final : public QObject, public HotkeyWindow {
  Q_OBJECT

 public:
  QtHotkeyWindow();
  ~QtHotkeyWindow() override;

  // False when there is no X display to grab keys on: every registration is then refused.
  bool connected() const;
  // The program's own X connection (null when not connected), for the pointer to share.
  _XDisplay* display() const;

  bool registerHotkey(int id, unsigned modifiers, int virtualKey) override;
  bool unregisterHotkey(int id) override;
  void* property(std::string_view name) const override;
  void setProperty(std::string_view name, void* value) override;
  void removeProperty(std::string_view name) override;
  WindowProcedure* procedure() const override { return procedure_; }
  WindowProcedure* setProcedure(WindowProcedure* procedure) override;

 private:
  // The window's own handling of the messages that reach it: none of them needs any.
  class OwnProcedure final : public WindowProcedure {
   public:
    std::intptr_t handleMessage(HotkeyWindow&, unsigned, std::uintptr_t, std::intptr_t) override {
      return 0;
    }
  };

  void dispatchX11Events();

  OwnProcedure ownProcedure_;
  WindowProcedure* procedure_ = &ownProcedure_;
  std::map<std::string, void*, std::less<>> properties_;
  std::unique_ptr<x11::X11Hotkeys> hotkeys_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quintrel::qt
