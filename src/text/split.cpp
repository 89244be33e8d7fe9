#include "text/split.h"

namespace quintrel {

std::vector<std::string_view> splitText(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  forEachPiece(text, separator, [&](std::string_view piece) { pieces.push_back(piece); });
  return pieces;
}

bool lastPiece(std::string_view text, std::string_view separator, std::string_view& last) {
  bool found = false;
  forEachPiece(text, separator, [&](std::string_view piece) {
    last = piece;
    found = true;
  });
  return found;
}

}  // namespace quintrel
