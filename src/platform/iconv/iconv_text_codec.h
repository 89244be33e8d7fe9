// Code page 936 conversion through the C library's iconv ("CP936").
#pragma once

#include <iconv.h>

#include "platform/text_codec.h"

namespace quintrel {

class IconvTextCodec final : public TextCodec {
 public:
  // Opens both converters; throws std::system_error when the C library has no CP936.
  IconvTextCodec();
  ~IconvTextCodec() override;

  ConvertedText toUtf8(std::string_view cp936) const override;
  ConvertedText fromUtf8(std::string_view utf8) const override;

 private:
  iconv_t toUtf8_;
  iconv_t fromUtf8_;
};

}  // namespace quintrel
