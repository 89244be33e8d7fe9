// Holds the Linux program's desktop-wide keyboard hook and tells what it sees: the end-to-end
// tests press keys with xdotool and read its log.
//
//   key_hook_probe
//
// Two hooks are installed: first a plain hook procedure, then the keyboard hook of a MouseHook,
// which runs first and passes every event on to the older hook. Prints "ready" once both listen,
// then for each key event, in the order they run:
//   callback MESSAGE VK            what reached the MouseHook's callback (hex, decimal)
//   hook MESSAGE VK SCAN FLAGS     what the hook procedure got (hex, decimal, decimal, hex)
// It runs until it is killed.
#include <poll.h>

#include <cstdio>
#include <cstring>

#include "platform/x11/hook_chains.h"
#include "platform/x11/x11_input_hooks.h"
#include "recording/mouse_hook.h"

int main() {
  using namespace quintrel;
  x11::HookChains chains;
  x11::X11InputHooks hooks(chains);
  if (!hooks.valid()) return 1;
  const HookHandle observer = hooks.setHook(
      hook::kKeyboardLowLevel,
      [](int, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
        hook::LowLevelKeyRecord record;
        std::memcpy(&record, reinterpret_cast<const void*>(lParam), sizeof record);
        std::printf("hook %x %u %u %x\n", static_cast<unsigned>(wParam), record.virtualKey,
                    record.scanCode, record.flags);
        std::fflush(stdout);
        return 0;
      },
      0);
  MouseHook mouseHook(hooks);
  const HookHandle keyboard =
      mouseHook.installKeyboardHook(0, [](std::int32_t message, std::int32_t key, std::int32_t) {
        std::printf("callback %x %d\n", static_cast<unsigned>(message), key);
        std::fflush(stdout);
        return 0;
      });
  if (observer == 0 || keyboard == 0) return 1;
  hooks.deliverPending();  // the server has taken the selection once this returns
  std::printf("ready\n");
  std::fflush(stdout);
  for (;;) {
    pollfd connection{hooks.fd(), POLLIN, 0};
    poll(&connection, 1, -1);
    hooks.dispatchEvents();
  }
}
