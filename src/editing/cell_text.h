// What a cell may hold so that the list file can give it back: the file ends each cell with "|"
// and each row with CR LF, so either inside a cell would split it into further cells or rows and
// shift that row's cells at the next start.
#pragma once

#include <string>
#include <string_view>

namespace quintrel {

// text without the "|", CR and LF characters (recognised only where a code page 936 character
// starts: the second byte of a double-byte character may be 0x7C and stays), and without a lead
// byte cut off at its end, which would take the cell's "|" as its second byte.
std::string storableCellText(std::string_view text);

}  // namespace quintrel
