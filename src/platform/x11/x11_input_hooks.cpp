#include "platform/x11/x11_input_hooks.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>

#include <utility>
#include <vector>

#include "platform/window_messages.h"

namespace quintrel::x11 {
namespace {

// The wheel's one notch, and which extra button, as the high word of mouseData.
constexpr std::uint32_t kWheelAway = 120u << 16;
constexpr std::uint32_t kWheelToward = 0xFF88u << 16;  // -120
constexpr std::uint32_t kExtraButton1 = 1u << 16;
constexpr std::uint32_t kExtraButton2 = 2u << 16;

}  // namespace

X11InputHooks::X11InputHooks(HookChains& chains)
    : chains_(chains), display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) return;
  pointer_ = std::make_unique<X11Pointer>(display_);
  int event = 0, error = 0;
  // From XInput 2.1 on, raw events reach every client that asked for them, also while another
  // client grabs the pointer or the keyboard (every press grabs the pointer for the window under
  // it until the release; a hotkey grabs the keyboard while it is held).
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

void X11InputHooks::listen() {
  if (!valid()) return;
  const bool mouse = chains_.has(hook::kMouseLowLevel);
  const bool keyboard = chains_.has(hook::kKeyboardLowLevel);
  if (mouse == mouseListening_ && keyboard == keyboardListening_) return;
  // No raw events are asked for while nobody listens: the program stays idle.
  unsigned char mask[XIMaskLen(XI_LASTEVENT)] = {};
  if (mouse) {
    XISetMask(mask, XI_RawButtonPress);
    XISetMask(mask, XI_RawButtonRelease);
  }
  if (keyboard) {
    XISetMask(mask, XI_RawKeyPress);
    XISetMask(mask, XI_RawKeyRelease);
  }
  XIEventMask events{XIAllMasterDevices, static_cast<int>(sizeof mask), mask};
  XISelectEvents(display_, DefaultRootWindow(display_), &events, 1);
  // The keys held now, read after the selection: a key pressed in between is then both held and
  // reported, which is harmless, and none can be released unseen.
  if (keyboard && !keyboardListening_) restartKeyboard();
  XFlush(display_);
  mouseListening_ = mouse;
  keyboardListening_ = keyboard;
}

void X11InputHooks::restartKeyboard() {
  char keys[32] = {};
  XQueryKeymap(display_, keys);
  std::vector<std::pair<unsigned, KeySym>> held;
  for (unsigned keycode = 8; keycode < 256; ++keycode) {
    if ((keys[keycode / 8] & (1 << (keycode % 8))) == 0) continue;
    held.emplace_back(keycode, XkbKeycodeToKeysym(display_, static_cast<KeyCode>(keycode), 0, 0));
  }
  keyboard_.restart(held);
}

HookHandle X11InputHooks::setHook(int kind, HookProcedure procedure, std::uint32_t thread) {
  const bool lowLevel = kind == hook::kMouseLowLevel || kind == hook::kKeyboardLowLevel;
  if (!valid() || !lowLevel || thread != 0 || !procedure) return 0;
  const HookHandle handle = chains_.add(kind, std::move(procedure));
  listen();
  return handle;
}

bool X11InputHooks::unhook(HookHandle handle) {
  if (!chains_.remove(handle)) return false;
  listen();
  return true;
}

std::intptr_t X11InputHooks::callNextHook(HookHandle handle, int code, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
  return chains_.callNext(handle, code, wParam, lParam);
}

std::uint32_t X11InputHooks::windowThread(WindowHandle) { return 0; }

void X11InputHooks::deliverMouse(unsigned message, std::uint32_t mouseData) {
  if (!chains_.has(hook::kMouseLowLevel)) return;
  hook::LowLevelMouseRecord record;
  const ScreenPoint at = pointer_->cursorPosition();
  record.x = at.x;
  record.y = at.y;
  record.mouseData = mouseData;
  chains_.callNewest(hook::kMouseLowLevel, hook::kAction, message,
                     reinterpret_cast<std::intptr_t>(&record));
}

void X11InputHooks::deliverButton(bool press, int button) {
  switch (button) {
    case 1:
      deliverMouse(press ? msg::kWmLButtonDown : msg::kWmLButtonUp, 0);
      break;
    case 2:
      deliverMouse(press ? msg::kWmMButtonDown : msg::kWmMButtonUp, 0);
      break;
    case 3:
      deliverMouse(press ? msg::kWmRButtonDown : msg::kWmRButtonUp, 0);
      break;
    case 4:  // one wheel notch away from the user; X sends it as a press and a release
      if (press) deliverMouse(msg::kWmMouseWheel, kWheelAway);
      break;
    case 5:
      if (press) deliverMouse(msg::kWmMouseWheel, kWheelToward);
      break;
    case 8:
      deliverMouse(press ? msg::kWmXButtonDown : msg::kWmXButtonUp, kExtraButton1);
      break;
    case 9:
      deliverMouse(press ? msg::kWmXButtonDown : msg::kWmXButtonUp, kExtraButton2);
      break;
    default:
      break;  // horizontal wheel and others: no Windows message to give
  }
}

void X11InputHooks::deliverKey(bool press, unsigned keycode, std::uint32_t time) {
  if (!keyboardListening_ || keycode > 255) return;
  const KeySym keysym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(keycode), 0, 0);
  LowLevelKeyEvent event = keyboard_.event(press, keycode, keysym, time);
  chains_.callNewest(hook::kKeyboardLowLevel, hook::kAction, event.message,
                     reinterpret_cast<std::intptr_t>(&event.record));
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
    if (event.type == MappingNotify) {  // another keyboard layout: keycodes read anew
      XRefreshKeyboardMapping(&event.xmapping);
      continue;
    }
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xiOpcode_ ||
        !XGetEventData(display_, cookie)) {
      continue;
    }
    const int type = cookie->evtype;
    const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
    const int detail = raw->detail;
    const auto time = static_cast<std::uint32_t>(raw->time);
    XFreeEventData(display_, cookie);
    switch (type) {
      case XI_RawButtonPress:
      case XI_RawButtonRelease:
        deliverButton(type == XI_RawButtonPress, detail);
        break;
      case XI_RawKeyPress:
      case XI_RawKeyRelease:
        deliverKey(type == XI_RawKeyPress, static_cast<unsigned>(detail), time);
        break;
      default:
        break;
    }
  }
}

}  // namespace quintrel::x11
