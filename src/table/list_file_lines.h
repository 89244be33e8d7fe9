// Cutting the bytes of a list file into lines.
//
// A line ends at a line feed that stands where a code page 936 character starts (a lead byte takes
// the byte after it along, even a line feed); one carriage return before that line feed is dropped,
// a lone carriage return ends nothing. The bytes after the last line feed are one more line when
// there are any, so a file ending in CR LF has no empty line after its last row. A NUL or a 0x1A
// (Ctrl+Z) byte ends the file's text: nothing after it is read.
#pragma once

#include <cstddef>
#include <string_view>

namespace quintrel {

// The bytes before the first NUL or 0x1A byte; all of them when there is neither.
std::string_view listFileText(std::string_view bytes);

// Yields the lines of a list file's text, in order, as views into it.
class ListFileLines {
 public:
  explicit ListFileLines(std::string_view text) : text_(text) {}
  // Sets line to the next line; false at the end of the text.
  bool next(std::string_view& line);
  // Sets line to the next line only when a line feed ends it; false otherwise, leaving rest()
  // to be completed by the bytes that follow (a reader going through a file piece by piece).
  bool nextComplete(std::string_view& line);
  // The text not yet returned as a line.
  std::string_view rest() const { return text_.substr(pos_); }

 private:
  // Cuts the line at pos_; lineFeed tells whether a line feed ended it.
  std::string_view cut(bool& lineFeed);

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace quintrel
