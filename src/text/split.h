// The one rule by which the system cuts a text into pieces at a separator.
//
//  - an empty text gives no pieces;
//  - every separator ends a piece, which may be empty ("a||b" gives "a", "", "b");
//  - the rest after the last separator is a piece only when it is not empty, so a trailing
//    separator adds no empty last piece ("1|2|" gives "1", "2");
//  - the separator is matched only where a code page 936 character starts.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

#include "text/cp936.h"

namespace quintrel {

// Calls onPiece(std::string_view) for every piece of text, in order. The views point into text.
// An empty separator never matches: a non-empty text is then one piece.
template <class OnPiece>
void forEachPiece(std::string_view text, std::string_view separator, OnPiece&& onPiece) {
  const std::size_t size = text.size();
  std::size_t start = 0;
  std::size_t pos = 0;
  if (separator.size() == 1) {
    // The common case ("|", ","): one byte compare per character.
    const char sep = separator[0];
    while (pos < size) {
      const char c = text[pos];
      if (c == sep) {
        onPiece(text.substr(start, pos - start));
        start = ++pos;
      } else {
        pos += charLengthAt(text, pos);
      }
    }
  } else if (!separator.empty()) {
    const std::size_t sepSize = separator.size();
    while (pos < size) {
      if (size - pos >= sepSize && std::memcmp(text.data() + pos, separator.data(), sepSize) == 0) {
        onPiece(text.substr(start, pos - start));
        start = pos += sepSize;
      } else {
        pos += charLengthAt(text, pos);
      }
    }
  }
  if (start < size) onPiece(text.substr(start));
}

// The pieces of text as views into it.
std::vector<std::string_view> splitText(std::string_view text, std::string_view separator);

// The last piece of text, or nothing when the text has no piece.
bool lastPiece(std::string_view text, std::string_view separator, std::string_view& last);

}  // namespace quintrel
