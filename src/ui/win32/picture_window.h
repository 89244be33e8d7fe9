// The picture window: a fixed window of 910 x 480 pixels outside, with no title text, owned by
// the main window and modal to it, holding the picture box "图片框1" (902 x 476 at 0, 0) that shows
// the picture supplied beside the program, coffee.png, read with GDI+. A missing or unreadable
// picture is no failure: the box then says which file it lacks.
#pragma once

#include <windows.h>

#include <filesystem>

#include "ui/win32/ui_fonts.h"

namespace quintrel::win32 {

class PictureWindow {
 public:
  static constexpr int kOuterWidth = 910;
  static constexpr int kOuterHeight = 480;
  static constexpr int kPictureWidth = 902;
  static constexpr int kPictureHeight = 476;

  // Makes the window, hidden, centred over owner.
  PictureWindow(HWND owner, UiFonts& fonts);
  ~PictureWindow();
  PictureWindow(const PictureWindow&) = delete;
  PictureWindow& operator=(const PictureWindow&) = delete;

  HWND handle() const { return window_; }
  HWND pictureBox() const { return picture_; }
  // True when the box shows the picture (not the note that it is missing).
  bool showsPicture() const { return bitmap_ != nullptr; }

  // Shows the window and returns when it has been closed; meanwhile the owner takes no input.
  // A WM_QUIT that arrives meanwhile ends the wait and is left for the program's own loop.
  void runModal();

  // Where the picture is looked for: beside the program.
  static std::filesystem::path picturePath();

 private:
  static void registerClass(HINSTANCE instance);
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void close();

  HWND owner_;
  HWND window_ = nullptr;
  HWND picture_ = nullptr;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace quintrel::win32
