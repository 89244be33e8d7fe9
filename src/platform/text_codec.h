// Converting the system's code page 936 texts for a desktop that speaks Unicode.
//
// The core keeps texts as the bytes it was given; only a front end converts, to show a text and to
// take one from the user. Bytes that are no valid code page 936 character (a lone lead byte, an
// unassigned pair) never stop a conversion: each becomes U+FFFD and exact is false, so the front
// end knows to keep the original bytes instead of the converted text.
#pragma once

#include <string>
#include <string_view>

namespace quintrel {

struct ConvertedText {
  std::string text;
  bool exact = true;  // false when some input had no counterpart and was replaced
};

class TextCodec {
 public:
  TextCodec() = default;
  TextCodec(const TextCodec&) = delete;
  TextCodec& operator=(const TextCodec&) = delete;
  virtual ~TextCodec() = default;

  // Code page 936 bytes to UTF-8; invalid or truncated characters become U+FFFD.
  virtual ConvertedText toUtf8(std::string_view cp936) const = 0;
  // UTF-8 to code page 936 bytes; characters without a code page 936 form, and invalid UTF-8,
  // become "?".
  virtual ConvertedText fromUtf8(std::string_view utf8) const = 0;
};

}  // namespace quintrel
