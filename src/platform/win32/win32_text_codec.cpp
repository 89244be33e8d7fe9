#include "platform/win32/win32_text_codec.h"

#include <windows.h>

#include <cstddef>
#include <limits>
#include <stdexcept>

#include "text/cp936.h"
#include "text/utf8.h"

namespace quintrel {
namespace {

constexpr UINT kCodePage936 = 936;
constexpr wchar_t kReplacementWide = 0xFFFD;
constexpr char kReplacementCp936 = '?';

// The conversion functions count in int.
int apiLength(std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw std::length_error("text too long to convert");
  }
  return static_cast<int>(size);
}

// Appends the UTF-16 form of bytes to out when every character of them is valid in the code
// page; otherwise appends nothing and returns false.
bool appendWide(UINT codePage, std::string_view bytes, std::wstring& out) {
  const int inLength = apiLength(bytes.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inLength, nullptr, 0);
  if (length <= 0) return false;
  const std::size_t used = out.size();
  out.resize(used + static_cast<std::size_t>(length));
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inLength, out.data() + used,
                      length);
  return true;
}

// Appends the code page 936 form of wide to out when every character has one (no best-fit
// look-alikes); otherwise appends nothing and returns false.
bool appendCp936(std::wstring_view wide, std::string& out) {
  const int inLength = apiLength(wide.size());
  BOOL usedDefault = FALSE;
  const char defaultChar[] = {kReplacementCp936, '\0'};
  const int length = WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, wide.data(), inLength,
                                         nullptr, 0, defaultChar, &usedDefault);
  if (length <= 0 || usedDefault) return false;
  const std::size_t used = out.size();
  out.resize(used + static_cast<std::size_t>(length));
  WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, wide.data(), inLength, out.data() + used,
                      length, defaultChar, &usedDefault);
  return true;
}

constexpr bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

ConvertedWideText cp936ToWide(std::string_view cp936) {
  ConvertedWideText result;
  if (cp936.empty() || appendWide(kCodePage936, cp936, result.text)) return result;
  // Some character is bad: go character by character, the code page telling where a double-byte
  // character starts, and replace each bad one.
  result.text.clear();
  result.exact = false;
  for (std::size_t pos = 0; pos < cp936.size();) {
    const auto byte = static_cast<unsigned char>(cp936[pos]);
    if (byte < 0x80) {
      result.text.push_back(static_cast<wchar_t>(byte));
      ++pos;
      continue;
    }
    const std::size_t length = IsDBCSLeadByteEx(kCodePage936, byte) ? 2 : 1;
    if (pos + length <= cp936.size() &&
        appendWide(kCodePage936, cp936.substr(pos, length), result.text)) {
      pos += length;
      continue;
    }
    result.text.push_back(kReplacementWide);
    pos += charLengthAt(cp936, pos);
  }
  return result;
}

ConvertedText wideToCp936(std::wstring_view wide) {
  ConvertedText result;
  if (wide.empty() || appendCp936(wide, result.text)) return result;
  // One character at a time; a surrogate pair is one character and gets one replacement.
  result.text.clear();
  result.exact = false;
  for (std::size_t pos = 0; pos < wide.size();) {
    const bool pair =
        isHighSurrogate(wide[pos]) && pos + 1 < wide.size() && isLowSurrogate(wide[pos + 1]);
    const std::size_t length = pair ? 2 : 1;
    if (!appendCp936(wide.substr(pos, length), result.text)) {
      result.text.push_back(kReplacementCp936);
    }
    pos += length;
  }
  return result;
}

ConvertedText Win32TextCodec::toUtf8(std::string_view cp936) const {
  const ConvertedWideText wide = cp936ToWide(cp936);
  ConvertedText result;
  result.exact = wide.exact;
  if (wide.text.empty()) return result;
  // Every UTF-16 unit here came from the code page or is U+FFFD, so UTF-8 has a form for each.
  const int inLength = apiLength(wide.text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.text.data(), inLength, nullptr, 0, nullptr, nullptr);
  result.text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  WideCharToMultiByte(CP_UTF8, 0, wide.text.data(), inLength, result.text.data(), length, nullptr,
                      nullptr);
  return result;
}

ConvertedText Win32TextCodec::fromUtf8(std::string_view utf8) const {
  std::wstring wide;
  if (utf8.empty() || appendWide(CP_UTF8, utf8, wide)) return wideToCp936(wide);
  // Invalid UTF-8 somewhere: sequence by sequence, "?" for each bad one.
  ConvertedText result;
  result.exact = false;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = utf8LengthAt(utf8, pos);
    wide.clear();
    if (appendWide(CP_UTF8, utf8.substr(pos, length), wide)) {
      result.text += wideToCp936(wide).text;
    } else {
      result.text.push_back(kReplacementCp936);
    }
    pos += length;
  }
  return result;
}

}  // namespace quintrel
