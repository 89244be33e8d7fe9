#include "platform/x11/x11_pointer.h"

#include <X11/extensions/XTest.h>
#include <X11/extensions/Xrandr.h>

namespace quintrel::x11 {

X11Pointer::X11Pointer(Display* display) : display_(display), root_(DefaultRootWindow(display)) {
  int eventBase = 0, errorBase = 0;
  hasRandr_ = XRRQueryExtension(display_, &eventBase, &errorBase) != 0;
}

ScreenPoint X11Pointer::primaryOrigin() {
  ScreenPoint origin;
  if (!hasRandr_) return origin;
  const RROutput primary = XRRGetOutputPrimary(display_, root_);
  if (primary == 0) return origin;
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display_, root_);
  if (resources == nullptr) return origin;
  if (XRROutputInfo* output = XRRGetOutputInfo(display_, resources, primary)) {
    if (output->crtc != 0) {
      if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(display_, resources, output->crtc)) {
        origin = {crtc->x, crtc->y};
        XRRFreeCrtcInfo(crtc);
      }
    }
    XRRFreeOutputInfo(output);
  }
  XRRFreeScreenResources(resources);
  return origin;
}

ScreenPoint X11Pointer::cursorPosition() {
  Window rootReturn = 0, child = 0;
  int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
  unsigned int mask = 0;
  XQueryPointer(display_, root_, &rootReturn, &child, &rootX, &rootY, &windowX, &windowY, &mask);
  const ScreenPoint origin = primaryOrigin();
  return {rootX - origin.x, rootY - origin.y};
}

void X11Pointer::setCursorPosition(ScreenPoint position) {
  const ScreenPoint origin = primaryOrigin();
  XWarpPointer(display_, None, root_, 0, 0, 0, 0, position.x + origin.x, position.y + origin.y);
  XFlush(display_);
}

void X11Pointer::click(MouseButton button) {
  const unsigned int x11Button = button == MouseButton::Left ? 1 : 3;
  // Requests reach the server in order: the click lands where the cursor was moved before it,
  // and a move that follows happens after it.
  XTestFakeButtonEvent(display_, x11Button, True, CurrentTime);
  XTestFakeButtonEvent(display_, x11Button, False, CurrentTime);
  XFlush(display_);
}

}  // namespace quintrel::x11
