// A hotkey entry box over a line edit ("热键框1", "热键框2"): its key presses, key releases and
// focus loss go to the entry-box procedure before the line edit handles them.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <functional>

#include "platform/hotkey_box_control.h"

namespace quintrel::qt {

class QtHotkeyBox final : public QObject, public HotkeyBoxControl {
  Q_OBJECT

 public:
  // The procedure gets (box, message, virtual-key code) and says whether the message is consumed.
  using Procedure = std::function<bool(HotkeyBoxControl&, unsigned message, int virtualKey)>;

  explicit QtHotkeyBox(QLineEdit& box);

  void setProcedure(Procedure procedure) { procedure_ = std::move(procedure); }

  std::string name() const override;
  std::string text() const override;
  void setText(std::string_view text) override;
  void setReadOnly(bool readOnly) override { box_.setReadOnly(readOnly); }
  void dropFocus() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& box_;
  Procedure procedure_;
};

}  // namespace quintrel::qt
