#include "text/numbers.h"

#include <charconv>

#include "text/cp936.h"

namespace quintrel {

std::string intToText(std::int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

namespace {

// The ASCII byte a character folds to, or 0 when it is not a folded full-width form. A full-width
// form never folds to 0 or to a byte of its own lead range, so 0 can mean "not folded".
unsigned char foldFullWidth(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
    return static_cast<unsigned char>(trail - 0x80);
  if (lead == 0xA1) {
    if (trail == 0xA1) return ' ';
    if (trail == 0xAB) return '~';
    if (trail == 0xEE || trail == 0xEF) return '*';
  }
  return 0;
}

bool isCSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t textToInt(std::string_view text) {
  enum class State { LeadingSpace, Digits };
  State state = State::LeadingSpace;
  bool negative = false;
  std::uint32_t value = 0;  // atoi without an overflow check: the value wraps
  std::size_t pos = 0;
  while (pos < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (isLeadByte(c)) {
      if (pos + 1 >= text.size()) break;  // a lead byte at the very end is dropped
      c = foldFullWidth(c, static_cast<unsigned char>(text[pos + 1]));
      pos += 2;
      if (c == 0) break;  // any other double-byte character ends the number
    } else {
      ++pos;
    }
    if (state == State::LeadingSpace) {
      if (isCSpace(c)) continue;
      state = State::Digits;
      if (c == '+' || c == '-') {
        negative = c == '-';
        continue;
      }
    }
    if (c < '0' || c > '9') break;
    value = value * 10u + static_cast<std::uint32_t>(c - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace quintrel
