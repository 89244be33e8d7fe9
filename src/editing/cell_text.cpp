#include "editing/cell_text.h"

#include "text/cp936.h"

namespace quintrel {

std::string storableCellText(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = charLengthAt(text, pos);
    const char first = text[pos];
    const bool cutOffLead = length == 1 && isLeadByte(static_cast<unsigned char>(first));
    if (first != '|' && first != '\r' && first != '\n' && !cutOffLead) {
      kept.append(text.substr(pos, length));
    }
    pos += length;
  }
  return kept;
}

}  // namespace quintrel
