#include "platform/x11/x11_input_hooks.h"

#include <X11/extensions/XInput2.h>

#include "platform/window_messages.h"

namespace quintrel::x11 {
namespace {

// The wheel's one notch, and which extra button, as the high word of mouseData.
constexpr std::uint32_t kWheelAway = 120u << 16;
constexpr std::uint32_t kWheelToward = 0xFF88u << 16;  // -120
constexpr std::uint32_t kExtraButton1 = 1u << 16;
constexpr std::uint32_t kExtraButton2 = 2u << 16;

}  // namespace

X11InputHooks::X11InputHooks() : display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) return;
  pointer_ = std::make_unique<X11Pointer>(display_);
  int event = 0, error = 0;
  // From XInput 2.1 on, raw events reach every client that asked for them, also while another
  // client grabs the pointer (every press grabs it for the window under it until the release).
  int major = 2, minor = 2;
  if (!XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error) ||
      XIQueryVersion(display_, &major, &minor) != Success || (major == 2 && minor < 1)) {
    xiOpcode_ = 0;
  }
}

X11InputHooks::~X11InputHooks() {
  pointer_.reset();
  if (display_ != nullptr) XCloseDisplay(display_);
}

int X11InputHooks::fd() const { return display_ != nullptr ? ConnectionNumber(display_) : -1; }

void X11InputHooks::listen(bool on) {
  if (!valid() || listening_ == on) return;
  unsigned char mask[XIMaskLen(XI_LASTEVENT)] = {};
  if (on) {
    XISetMask(mask, XI_RawButtonPress);
    XISetMask(mask, XI_RawButtonRelease);
  }
  XIEventMask events{XIAllMasterDevices, static_cast<int>(sizeof mask), mask};
  XISelectEvents(display_, DefaultRootWindow(display_), &events, 1);
  XFlush(display_);
  listening_ = on;
}

HookHandle X11InputHooks::setHook(int kind, HookProcedure procedure, std::uint32_t thread) {
  if (!valid() || kind != hook::kMouseLowLevel || thread != 0 || !procedure) return 0;
  const HookHandle handle = nextHandle_++;
  hooks_.emplace(handle, std::move(procedure));
  listen(true);
  return handle;
}

bool X11InputHooks::unhook(HookHandle handle) {
  if (hooks_.erase(handle) == 0) return false;
  // No raw events are asked for while nobody listens: the program stays idle.
  if (hooks_.empty()) listen(false);
  return true;
}

std::intptr_t X11InputHooks::callNextHook(HookHandle handle, int code, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
  auto older = hooks_.lower_bound(handle);
  if (older == hooks_.begin()) return 0;
  --older;
  const HookProcedure procedure = older->second;  // it may unhook itself while it runs
  return procedure(code, wParam, lParam);
}

std::uint32_t X11InputHooks::windowThread(WindowHandle) { return 0; }

void X11InputHooks::deliver(unsigned message, std::uint32_t mouseData) {
  if (hooks_.empty()) return;
  hook::LowLevelMouseRecord record;
  const ScreenPoint at = pointer_->cursorPosition();
  record.x = at.x;
  record.y = at.y;
  record.mouseData = mouseData;
  const HookProcedure newest = hooks_.rbegin()->second;
  newest(hook::kAction, message, reinterpret_cast<std::intptr_t>(&record));
}

void X11InputHooks::deliverPending() {
  if (display_ == nullptr) return;
  XSync(display_, False);  // every event the server made before now is then in the queue
  dispatchEvents();
}

void X11InputHooks::dispatchEvents() {
  if (display_ == nullptr) return;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xiOpcode_ ||
        !XGetEventData(display_, cookie)) {
      continue;
    }
    const bool press = cookie->evtype == XI_RawButtonPress;
    const int button = static_cast<const XIRawEvent*>(cookie->data)->detail;
    XFreeEventData(display_, cookie);
    if (!press && cookie->evtype != XI_RawButtonRelease) continue;
    switch (button) {
      case 1:
        deliver(press ? msg::kWmLButtonDown : msg::kWmLButtonUp, 0);
        break;
      case 2:
        deliver(press ? msg::kWmMButtonDown : msg::kWmMButtonUp, 0);
        break;
      case 3:
        deliver(press ? msg::kWmRButtonDown : msg::kWmRButtonUp, 0);
        break;
      case 4:  // one wheel notch away from the user; X sends it as a press and a release
        if (press) deliver(msg::kWmMouseWheel, kWheelAway);
        break;
      case 5:
        if (press) deliver(msg::kWmMouseWheel, kWheelToward);
        break;
      case 8:
        deliver(press ? msg::kWmXButtonDown : msg::kWmXButtonUp, kExtraButton1);
        break;
      case 9:
        deliver(press ? msg::kWmXButtonDown : msg::kWmXButtonUp, kExtraButton2);
        break;
      default:
        break;  // horizontal wheel and others: no Windows message to give
    }
  }
}

}  // namespace quintrel::x11
