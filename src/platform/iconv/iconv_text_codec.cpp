#include "platform/iconv/iconv_text_codec.h"

#include <cerrno>
#include <system_error>

#include "text/cp936.h"
#include "text/utf8.h"

namespace quintrel {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kReplacementCp936 = "?";

iconv_t openConverter(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::system_error(errno, std::generic_category(), "iconv_open");
  }
  return cd;
}

// Runs cd over input. Where a character cannot be converted, appends replacement and goes on
// after skip(input, position) bytes.
template <class SkipLength>
ConvertedText convert(iconv_t cd, std::string_view input, std::string_view replacement,
                      SkipLength skipLength) {
  ConvertedText result;
  std::string& out = result.text;
  out.resize(input.size() * 2 + 16);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < input.size()) {
    char* in = const_cast<char*>(input.data() + pos);
    std::size_t inLeft = input.size() - pos;
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    const int err = errno;
    used = out.size() - outLeft;
    pos = input.size() - inLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ (no such character) or EINVAL (cut off at the end): replace it and go on.
    result.exact = false;
    if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + replacement.size());
    out.replace(used, replacement.size(), replacement);
    used += replacement.size();
    pos += err == EINVAL ? inLeft : skipLength(input, pos);
  }
  out.resize(used);
  return result;
}

}  // namespace

IconvTextCodec::IconvTextCodec()
    : toUtf8_(openConverter("UTF-8", "CP936")), fromUtf8_(openConverter("CP936", "UTF-8")) {}

IconvTextCodec::~IconvTextCodec() {
  iconv_close(toUtf8_);
  iconv_close(fromUtf8_);
}

ConvertedText IconvTextCodec::toUtf8(std::string_view cp936) const {
  // A bad pair is skipped as one character, as everywhere else in the system.
  return convert(toUtf8_, cp936, kReplacementUtf8, charLengthAt);
}

ConvertedText IconvTextCodec::fromUtf8(std::string_view utf8) const {
  return convert(fromUtf8_, utf8, kReplacementCp936, utf8LengthAt);
}

}  // namespace quintrel
