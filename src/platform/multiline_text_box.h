// A multi-line edit box that the program writes into while the user may be editing it too
// ("编辑框2", where recorded clicks are logged). Texts are code page 936 bytes with lines ended by
// "\r\n", whatever the toolkit uses inside.
#pragma once

#include <string>
#include <string_view>

namespace quintrel {

class MultiLineTextBox {
 public:
  MultiLineTextBox() = default;
  MultiLineTextBox(const MultiLineTextBox&) = delete;
  MultiLineTextBox& operator=(const MultiLineTextBox&) = delete;
  virtual ~MultiLineTextBox() = default;

  // The whole text.
  virtual std::string text() const = 0;
  // Drops the selection and puts the caret after the last character.
  virtual void moveCaretToEnd() = 0;
  // Scrolls the box until the caret is visible.
  virtual void scrollCaretIntoView() = 0;
  // Replaces the selected text (none: inserts at the caret) by text; the caret ends after it.
  virtual void replaceSelection(std::string_view text) = 0;
};

}  // namespace quintrel
