#include "text/compare.h"

#include "text/cp936.h"

namespace quintrel {
namespace {

// Length of the blank that starts at text[pos], or 0.
std::size_t blankLengthAt(std::string_view text, std::size_t pos) {
  if (text[pos] == ' ') return 1;
  if (text.substr(pos, 2) == cp936::kFullWidthSpace) return 2;
  return 0;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view trimBlanks(std::string_view text) {
  // Walk forward by characters: a byte A1 at the end may be the second half of a character.
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t blank = blankLengthAt(text, begin);
    if (blank == 0) break;
    begin += blank;
  }
  std::size_t end = begin;
  for (std::size_t pos = begin; pos < text.size();) {
    const std::size_t blank = blankLengthAt(text, pos);
    const std::size_t length = blank != 0 ? blank : charLengthAt(text, pos);
    pos += length;
    if (blank == 0) end = pos;
  }
  return text.substr(begin, end - begin);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = charLengthAt(a, pos);
    if (length != charLengthAt(b, pos)) return false;
    if (length == 1) {
      if (asciiLower(a[pos]) != asciiLower(b[pos])) return false;
    } else if (a[pos] != b[pos] || a[pos + 1] != b[pos + 1]) {
      return false;
    }
    pos += length;
  }
  return true;
}

}  // namespace quintrel
