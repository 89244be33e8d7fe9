// The recording box "编辑框2" as the recorder sees it: code page 936 text with CR LF line ends.
#pragma once

#include <QPlainTextEdit>

#include "platform/multiline_text_box.h"

namespace quintrel::qt {

class QtRecordBox final : public MultiLineTextBox {
 public:
  explicit QtRecordBox(QPlainTextEdit& box) : box_(box) {}

  std::string text() const override;
  void moveCaretToEnd() override;
  void scrollCaretIntoView() override;
  void replaceSelection(std::string_view text) override;

 private:
  QPlainTextEdit& box_;
};

}  // namespace quintrel::qt
