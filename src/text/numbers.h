// Numbers as the system writes and reads them in cells, lists and files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintrel {

// Plain decimal: "-" in front when negative, no grouping, no "+".
std::string intToText(std::int32_t value);

// The system's one rule for reading a number from a cell or a list:
//  1. fold full-width forms to ASCII, character by character (A3 A1..A3 FE to 0x21..0x7E,
//     the ideographic space A1 A1 to " ", A1 AB to "~", A1 EE and A1 EF to "*"; a lead byte at the
//     very end is dropped; every other character stays as it is);
//  2. read the folded text as C's atoi does: leading white space, one optional sign, decimal digits
//     up to the first other character; no digits gives 0; the value wraps in 32 bits.
std::int32_t textToInt(std::string_view text);

}  // namespace quintrel
