// UTF-8 sequence boundaries, for the converters between code page 936 and UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace quintrel {

// Length of the UTF-8 sequence that starts at text[pos], by its lead byte alone (1 for a byte
// that starts none), cut at the end of the text. A converter that meets a bad sequence replaces
// it and goes on after this many bytes.
constexpr std::size_t utf8LengthAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return pos + length <= text.size() ? length : text.size() - pos;
}

}  // namespace quintrel
