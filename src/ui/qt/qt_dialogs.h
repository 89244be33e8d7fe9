// Message boxes on Qt: modal to the whole program, as the core's message boxes are.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace quintrel::qt {

class QtDialogs final : public Dialogs {
 public:
  // owner: the window the boxes are centred over, or none.
  explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}

  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool ask(std::string_view text, std::string_view title, std::string_view acceptText,
           std::string_view rejectText) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace quintrel::qt
