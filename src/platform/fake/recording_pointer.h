// A pointer that keeps its position in memory and logs every move and click in order.
#pragma once

#include <vector>

#include "platform/pointer.h"

namespace quintrel {

class RecordingPointer final : public Pointer {
 public:
  struct Event {
    enum Kind { Move, Click } kind = Move;
    ScreenPoint at;                          // where the cursor went, or where it was clicked
    MouseButton button = MouseButton::Left;  // clicks only
    friend bool operator==(const Event&, const Event&) = default;
  };

  ScreenPoint cursorPosition() override { return position; }
  void setCursorPosition(ScreenPoint to) override {
    position = to;
    events.push_back({Event::Move, to, MouseButton::Left});
  }
  void click(MouseButton button) override { events.push_back({Event::Click, position, button}); }

  // The clicks alone, in order.
  std::vector<Event> clicks() const {
    std::vector<Event> found;
    for (const Event& event : events) {
      if (event.kind == Event::Click) found.push_back(event);
    }
    return found;
  }

  ScreenPoint position;
  std::vector<Event> events;
};

}  // namespace quintrel
