#include "table/list_file_lines.h"

#include <cstring>

#include "text/cp936.h"

namespace quintrel {

std::string_view listFileText(std::string_view bytes) {
  std::size_t end = bytes.size();
  if (const void* nul = std::memchr(bytes.data(), 0, end)) {
    end = static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data());
  }
  if (const void* eof = std::memchr(bytes.data(), 0x1A, end)) {
    end = static_cast<std::size_t>(static_cast<const char*>(eof) - bytes.data());
  }
  return bytes.substr(0, end);
}

std::string_view ListFileLines::cut(bool& lineFeed) {
  const std::size_t size = text_.size();
  const std::size_t start = pos_;
  std::size_t pos = start;
  while (pos < size && text_[pos] != '\n') pos += charLengthAt(text_, pos);
  lineFeed = pos < size;
  pos_ = lineFeed ? pos + 1 : size;
  std::size_t end = pos;
  // The carriage return is dropped as a byte, even when it closes a truncated character.
  if (lineFeed && end > start && text_[end - 1] == '\r') --end;
  return text_.substr(start, end - start);
}

bool ListFileLines::next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  bool lineFeed = false;
  line = cut(lineFeed);
  return true;
}

bool ListFileLines::nextComplete(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t start = pos_;
  bool lineFeed = false;
  const std::string_view candidate = cut(lineFeed);
  if (!lineFeed) {
    pos_ = start;
    return false;
  }
  line = candidate;
  return true;
}

}  // namespace quintrel
