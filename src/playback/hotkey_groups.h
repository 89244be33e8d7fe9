// Which rows each hotkey plays, as applying the list left it.
#pragma once

#include <string>
#include <vector>

namespace quintrel {

// Element id - 1 belongs to hotkey id (ids start at 1): the 0-based indexes of the rows that carry
// that hotkey, ascending, in decimal joined by "," ("0,3,5"). An element may be empty (the empty
// hotkey text); it plays nothing.
using HotkeyGroups = std::vector<std::string>;

}  // namespace quintrel
