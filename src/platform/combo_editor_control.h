// An editable drop-down combo box used as an in-place editor: an editor control with a list of
// items, one of which can be selected into its edit field.
#pragma once

#include "platform/editor_control.h"

namespace quintrel {

class ComboEditorControl : public EditorControl {
 public:
  // Selects the list item at index (0 first), which puts its text into the edit field.
  virtual void selectItem(int index) = 0;
};

}  // namespace quintrel
