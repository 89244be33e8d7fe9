// Comparing code page 936 texts the way list headers are matched against column titles.
#pragma once

#include <string_view>

namespace quintrel {

// text without blanks at either end; blanks are the ASCII space and the full-width space A1 A1,
// recognised only where a character starts.
std::string_view trimBlanks(std::string_view text);

// Equal when the texts have the same characters, ASCII letters compared without case. The second
// byte of a double-byte character is compared as it is, never case-folded.
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quintrel
