#include "ui/qt/qt_input_hooks.h"

#include <gtest/gtest.h>

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <array>
#include <cstring>
#include <vector>

#include "platform/window_messages.h"
#include "recording/hook_codes.h"
#include "recording/mouse_hook.h"

namespace quintrel::qt {
namespace {

// The X keysym and keycode of the A key, as the X11 platform puts them in a key event.
constexpr quint32 kKeysymA = 0x61;
constexpr quint32 kKeycodeA = 38;
constexpr std::uint32_t kScanA = 30 << 16;  // lParam's scan code of the key: keycode - 8

// A widget that notes the input it gets and, as a plain widget does, leaves it unaccepted, so Qt
// offers it to the parent too.
class NotingWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::vector<QEvent::Type> got;

 protected:
  bool event(QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        got.push_back(event->type());
        break;
      default:
        break;
    }
    return QWidget::event(event);
  }
};

struct Seen {
  int code;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  hook::ThreadMouseRecord mouse;
};

class QtInputHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(200, 100);
    child_->setGeometry(20, 10, 100, 50);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    thread_ = hooks_.windowThread(windowHandle());
  }

  WindowHandle windowHandle() { return static_cast<WindowHandle>(window_.winId()); }
  HookHandle install(int kind) {
    return hooks_.setHook(
        kind,
        [this, kind](int code, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
          Seen seen{code, wParam, lParam, {}};
          if (kind == hook::kMouse && lParam != 0) {
            std::memcpy(&seen.mouse, reinterpret_cast<const void*>(lParam), sizeof seen.mouse);
          }
          seen_.push_back(seen);
          return result_;
        },
        thread_);
  }
  // Hands event to widget as Qt hands it input from the system.
  static void deliver(QWidget& widget, QEvent& event) {
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(&widget, &event);
  }
  void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at = {5, 6}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, child_->mapToGlobal(at), button, held, Qt::NoModifier);
    deliver(*child_, event);
  }
  void key(QEvent::Type type, bool autoRepeat = false,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, Qt::Key_A, modifiers, kKeycodeA, kKeysymA, 0, "a", autoRepeat);
    deliver(*child_, event);
  }
  void clearNotes() {
    seen_.clear();
    child_->got.clear();
    window_.got.clear();
  }

  QtInputHooks hooks_;
  NotingWidget window_;
  NotingWidget* child_ = new NotingWidget(&window_);
  std::uint32_t thread_ = 0;
  std::vector<Seen> seen_;
  std::intptr_t result_ = 0;
};

TEST_F(QtInputHooksTest, ThreadBoundHooksTakeOnlyTheThreadOfAWindowOfTheProgram) {
  EXPECT_NE(thread_, 0u);
  EXPECT_EQ(hooks_.windowThread(0), 0u);
  EXPECT_EQ(hooks_.windowThread(0x7FFF0000), 0u);
  const auto procedure = [](int, std::uintptr_t, std::intptr_t) -> std::intptr_t { return 0; };
  EXPECT_EQ(hooks_.setHook(hook::kMouse, procedure, 0), 0u);  // would be the whole desktop
  EXPECT_EQ(hooks_.setHook(hook::kKeyboard, procedure, thread_ + 1), 0u);
  const HookHandle mouse = hooks_.setHook(hook::kMouse, procedure, thread_);
  const HookHandle keys = hooks_.setHook(hook::kKeyboard, procedure, thread_);
  EXPECT_NE(mouse, 0u);
  EXPECT_NE(keys, 0u);
  EXPECT_NE(mouse, keys);
}

TEST_F(QtInputHooksTest, MouseInputReachesTheHookOnceAsAWindowMessage) {
  struct Case {
    QEvent::Type type;
    Qt::MouseButton button;
    unsigned message;
  };
  const Case cases[] = {
      {QEvent::MouseButtonPress, Qt::LeftButton, msg::kWmLButtonDown},
      {QEvent::MouseButtonRelease, Qt::LeftButton, msg::kWmLButtonUp},
      {QEvent::MouseButtonDblClick, Qt::LeftButton, msg::kWmLButtonDblClk},
      {QEvent::MouseButtonPress, Qt::RightButton, msg::kWmRButtonDown},
      {QEvent::MouseButtonRelease, Qt::RightButton, msg::kWmRButtonUp},
      {QEvent::MouseButtonDblClick, Qt::RightButton, msg::kWmRButtonDblClk},
      {QEvent::MouseButtonPress, Qt::MiddleButton, msg::kWmMButtonDown},
      {QEvent::MouseButtonRelease, Qt::MiddleButton, msg::kWmMButtonUp},
      {QEvent::MouseButtonDblClick, Qt::MiddleButton, msg::kWmMButtonDblClk},
      {QEvent::MouseButtonPress, Qt::BackButton, msg::kWmXButtonDown},
      {QEvent::MouseButtonRelease, Qt::ForwardButton, msg::kWmXButtonUp},
      {QEvent::MouseMove, Qt::NoButton, msg::kWmMouseMove},
  };
  ASSERT_NE(install(hook::kMouse), 0u);
  const QPoint at = child_->mapToGlobal(QPoint(5, 6));  // the offscreen screen is the primary
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    clearNotes();
    mouse(c.type, c.button);
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].code, hook::kAction);
    EXPECT_EQ(seen_[0].wParam, c.message);
    EXPECT_EQ(seen_[0].mouse.x, at.x());
    EXPECT_EQ(seen_[0].mouse.y, at.y());
    EXPECT_EQ(seen_[0].mouse.window, windowHandle());  // the child has no window of its own
    EXPECT_EQ(seen_[0].mouse.hitTestCode, 1u);         // HTCLIENT
  }

  clearNotes();
  QWheelEvent wheel({5, 6}, child_->mapToGlobal(QPointF(5, 6)), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  deliver(*child_, wheel);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].wParam, msg::kWmMouseWheel);
  EXPECT_EQ(window_.got, std::vector{QEvent::Wheel});  // offered to the parent, not shown again
}

TEST_F(QtInputHooksTest, KeyInputReachesTheHookOnceAsVirtualKeyAndFlags) {
  struct Case {
    const char* name;
    QEvent::Type type;
    bool autoRepeat;
    Qt::KeyboardModifiers modifiers;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {"press", QEvent::KeyPress, false, Qt::NoModifier, 1 | kScanA},
      {"repeat", QEvent::KeyPress, true, Qt::NoModifier, 1 | kScanA | 1u << 30},
      {"release", QEvent::KeyRelease, false, Qt::NoModifier, 1 | kScanA | 3u << 30},
      {"with Alt", QEvent::KeyPress, false, Qt::AltModifier, 1 | kScanA | 1u << 29},
  };
  ASSERT_NE(install(hook::kKeyboard), 0u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clearNotes();
    key(c.type, c.autoRepeat, c.modifiers);
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].code, hook::kAction);
    EXPECT_EQ(seen_[0].wParam, 0x41u);  // VK A
    EXPECT_EQ(static_cast<std::uint32_t>(seen_[0].lParam), c.flags);
    // Qt offered the same event to the parent: still one key stroke.
    EXPECT_EQ(window_.got, std::vector{c.type});
  }
}

TEST_F(QtInputHooksTest, AKeyEventOfferedToTheParentAfterItsWidgetIsOneKeyStroke) {
  ASSERT_NE(install(hook::kKeyboard), 0u);
  for (const std::intptr_t result : {0, 1}) {
    SCOPED_TRACE(result);
    result_ = result;
    clearNotes();
    // As Qt hands an unaccepted key on: the same event, spontaneous, at the parent.
    QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, kKeycodeA, kKeysymA, 0, "a");
    deliver(*child_, event);
    deliver(window_, event);
    EXPECT_EQ(seen_.size(), 1u);
    // Let through, the parent got it twice: from Qt, and from the test.
    EXPECT_EQ(window_.got.size(), result == 0 ? 2u : 0u);
  }
  // A new event at the same widget is a new key stroke.
  QKeyEvent again(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, kKeycodeA, kKeysymA, 0, "a");
  deliver(window_, again);
  EXPECT_EQ(seen_.size(), 2u);
}

TEST_F(QtInputHooksTest, AnyResultButZeroKeepsTheEventFromEveryWidget) {
  ASSERT_NE(install(hook::kMouse), 0u);
  ASSERT_NE(install(hook::kKeyboard), 0u);
  for (const std::intptr_t result : {0, 1, 2}) {
    SCOPED_TRACE(result);
    result_ = result;
    clearNotes();
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    key(QEvent::KeyPress);
    EXPECT_EQ(seen_.size(), 2u);
    const auto reached = result == 0 ? std::vector{QEvent::MouseButtonPress, QEvent::KeyPress}
                                     : std::vector<QEvent::Type>{};
    EXPECT_EQ(child_->got, reached);
    EXPECT_EQ(window_.got, reached);
  }
}

TEST_F(QtInputHooksTest, EventsTheProgramSendsItselfPassNoHook) {
  ASSERT_NE(install(hook::kMouse), 0u);
  ASSERT_NE(install(hook::kKeyboard), 0u);
  result_ = 1;
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 6), child_->mapToGlobal(QPointF(5, 6)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(child_, &press);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, kKeycodeA, kKeysymA, 0, "a");
  QApplication::sendEvent(child_, &key);
  EXPECT_TRUE(seen_.empty());
  EXPECT_EQ(child_->got, (std::vector{QEvent::MouseButtonPress, QEvent::KeyPress}));
}

TEST_F(QtInputHooksTest, InputThroughTheWindowSystemIsShownOnceAtItsWidget) {
  ASSERT_NE(install(hook::kMouse), 0u);
  const QPoint at = child_->geometry().center();
  QTest::mouseMove(window_.windowHandle(), at);  // a click elsewhere would first move there
  clearNotes();
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_EQ(seen_.size(), 2u);
  EXPECT_EQ(seen_[0].wParam, msg::kWmLButtonDown);
  EXPECT_EQ(seen_[1].wParam, msg::kWmLButtonUp);
  EXPECT_EQ(QPoint(seen_[0].mouse.x, seen_[0].mouse.y), window_.mapToGlobal(at));
  EXPECT_EQ(child_->got, (std::vector{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
}

TEST_F(QtInputHooksTest, UnhookedHooksAreNeverCalledAgain) {
  const HookHandle mouseHook = install(hook::kMouse);
  const HookHandle keyHook = install(hook::kKeyboard);
  EXPECT_TRUE(hooks_.unhook(mouseHook));
  mouse(QEvent::MouseButtonPress, Qt::LeftButton);
  key(QEvent::KeyPress);
  EXPECT_EQ(seen_.size(), 1u);  // the key
  EXPECT_TRUE(hooks_.unhook(keyHook));
  key(QEvent::KeyRelease);
  EXPECT_EQ(seen_.size(), 1u);
  EXPECT_FALSE(hooks_.unhook(keyHook));
}

TEST_F(QtInputHooksTest, TheMouseHookObjectHooksTheProgramsOwnWindows) {
  MouseHook mouseHook(hooks_);
  std::vector<std::array<std::int32_t, 3>> calls;
  std::int32_t answer = 0;
  const HookCallback callback = [&](std::int32_t a, std::int32_t b, std::int32_t c) {
    calls.push_back({a, b, c});
    return answer;
  };
  ASSERT_NE(mouseHook.installMouseHook(windowHandle(), callback, false), 0u);
  ASSERT_NE(mouseHook.installKeyboardHook(windowHandle(), callback, false), 0u);

  mouse(QEvent::MouseButtonPress, Qt::RightButton);
  QWheelEvent wheel({5, 6}, child_->mapToGlobal(QPointF(5, 6)), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  deliver(*child_, wheel);
  key(QEvent::KeyRelease);
  answer = 1;
  key(QEvent::KeyPress);
  using Call = std::array<std::int32_t, 3>;
  EXPECT_EQ(calls, (std::vector<Call>{{kRightButton, kPress, 0},
                                      {kNoButton, kNoAction, 0},  // a thread hook's wheel
                                      {static_cast<std::int32_t>(msg::kWmKeyUp), 0x41, 0},
                                      {static_cast<std::int32_t>(msg::kWmKeyDown), 0x41, 0}}));
  EXPECT_EQ(child_->got, (std::vector{QEvent::MouseButtonPress, QEvent::Wheel,
                                      QEvent::KeyRelease}));  // the swallowed press is missing

  mouseHook.uninstall();
  key(QEvent::KeyPress);
  EXPECT_EQ(calls.size(), 4u);
}

}  // namespace
}  // namespace quintrel::qt
