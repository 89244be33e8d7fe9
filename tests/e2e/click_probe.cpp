// A window that tells where clicks land: the end-to-end tests put it on the screen, let quintrel
// click into it, and read its log.
//
//   click_probe X Y WIDTH HEIGHT [--grab-alt-f2]
//
// Prints "ready" once the window is on the screen (and, with --grab-alt-f2, once it holds Alt+F2
// as a hotkey of its own, as another program would), then one line per button press:
//   press BUTTON ROOT_X ROOT_Y SERVER_TIME
// It runs until it is killed.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: click_probe X Y WIDTH HEIGHT [--grab-alt-f2]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  const Window root = DefaultRootWindow(display);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;  // exactly where asked, with or without a window manager
  attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
  attributes.event_mask = ButtonPressMask | StructureNotifyMask;
  const Window window =
      XCreateWindow(display, root, std::atoi(argv[1]), std::atoi(argv[2]),
                    static_cast<unsigned>(std::atoi(argv[3])),
                    static_cast<unsigned>(std::atoi(argv[4])), 0, CopyFromParent, InputOutput,
                    CopyFromParent, CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
  XStoreName(display, window, "click probe");
  XMapRaised(display, window);
  if (argc > 5 && std::strcmp(argv[5], "--grab-alt-f2") == 0) {
    const KeyCode f2 = XKeysymToKeycode(display, XK_F2);
    for (const unsigned locks :
         {0u, static_cast<unsigned>(LockMask), static_cast<unsigned>(Mod2Mask),
          static_cast<unsigned>(LockMask | Mod2Mask)}) {
      XGrabKey(display, f2, Mod1Mask | locks, root, False, GrabModeAsync, GrabModeAsync);
    }
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify) {
      XSync(display, False);
      std::printf("ready\n");
      std::fflush(stdout);
    } else if (event.type == ButtonPress) {
      std::printf("press %u %d %d %lu\n", event.xbutton.button, event.xbutton.x_root,
                  event.xbutton.y_root, event.xbutton.time);
      std::fflush(stdout);
    }
  }
}
