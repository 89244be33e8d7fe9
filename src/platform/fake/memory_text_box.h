// A multi-line text box in memory with a caret and a selection the test can set, as the user
// would, to see that the program writes where it should.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/multiline_text_box.h"

namespace quintrel {

class MemoryTextBox final : public MultiLineTextBox {
 public:
  enum class Call { MoveCaretToEnd, ScrollCaretIntoView, ReplaceSelection };

  std::string text() const override { return text_; }
  void moveCaretToEnd() override {
    calls.push_back(Call::MoveCaretToEnd);
    selectionStart_ = selectionEnd_ = text_.size();
  }
  void scrollCaretIntoView() override {
    calls.push_back(Call::ScrollCaretIntoView);
    caretShown_ = selectionEnd_;
  }
  void replaceSelection(std::string_view piece) override {
    calls.push_back(Call::ReplaceSelection);
    // Built anew rather than with replace(), which GCC 12 at -O3 flags with a false -Wrestrict.
    std::string replaced = text_.substr(0, selectionStart_);
    replaced.append(piece);
    replaced.append(text_, selectionEnd_);
    text_ = std::move(replaced);
    selectionStart_ = selectionEnd_ = selectionStart_ + piece.size();
  }

  // What the user does: types text over everything, or selects bytes [start, end).
  void setText(std::string_view text) {
    text_ = text;
    selectionStart_ = selectionEnd_ = text_.size();
  }
  void select(std::size_t start, std::size_t end) {
    selectionStart_ = std::min(start, text_.size());
    selectionEnd_ = std::clamp(end, selectionStart_, text_.size());
  }

  std::size_t selectionStart() const { return selectionStart_; }
  std::size_t selectionEnd() const { return selectionEnd_; }
  // Where the caret was when the box last scrolled to it.
  std::size_t caretShown() const { return caretShown_; }

  std::vector<Call> calls;

 private:
  std::string text_;
  std::size_t selectionStart_ = 0;
  std::size_t selectionEnd_ = 0;
  std::size_t caretShown_ = 0;
};

}  // namespace quintrel
