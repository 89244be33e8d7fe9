// Code page 936 conversion through the Windows National Language Support functions
// (MultiByteToWideChar and WideCharToMultiByte with code page 936).
//
// Windows's code page 936 is the reference for the system's texts: what it maps, including its
// user-defined areas (to the Private Use Area), converts both ways without loss. A lead byte at
// the end of a text, a lead byte with a trail the code page does not define, and invalid UTF-8 or
// UTF-16 are replaced as the TextCodec port says, one replacement per character: the bytes skipped
// with a bad character are those of charLengthAt, as everywhere else in the system.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace quintrel {

struct ConvertedWideText {
  std::wstring text;
  bool exact = true;  // false when some input had no counterpart and was replaced
};

// Code page 936 bytes to UTF-16, for the W functions; bad characters become U+FFFD.
ConvertedWideText cp936ToWide(std::string_view cp936);
// UTF-16 to code page 936 bytes; characters without a code page 936 form and unpaired surrogates
// become "?", one per character.
ConvertedText wideToCp936(std::wstring_view wide);

class Win32TextCodec final : public TextCodec {
 public:
  ConvertedText toUtf8(std::string_view cp936) const override;
  ConvertedText fromUtf8(std::string_view utf8) const override;
};

}  // namespace quintrel
