// Character boundaries in code page 936 (GBK) byte strings.
//
// Every text of the system is a byte string in code page 936. A byte of 0x80 or above opens a
// double-byte character and takes the byte after it along, whatever that byte is; so a separator,
// a line feed or a digit is only ever recognised where a character starts, never in the second
// byte of a double-byte character (GBK trail bytes overlap ASCII 0x40..0x7E, "|" among them).
#pragma once

#include <cstddef>
#include <string_view>

namespace quintrel {

constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// Length of the character that starts at text[pos]: 2 for a lead byte, 1 otherwise, and 1 for a
// lead byte at the very end of the text (a truncated character is kept as a byte of its own).
constexpr std::size_t charLengthAt(std::string_view text, std::size_t pos) {
  return isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// The byte strings of the system's fixed texts that the core compares against.
namespace cp936 {
inline constexpr std::string_view kFullWidthSpace = "\xA1\xA1";  // "　"
}  // namespace cp936

}  // namespace quintrel
