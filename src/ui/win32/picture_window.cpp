#include "ui/win32/picture_window.h"

#include <objidl.h>
// GDI+ wants the min and max of windows.h, which NOMINMAX keeps out.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <string>

namespace quintrel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuintrelPictureWindow";
constexpr wchar_t kPictureFile[] = L"coffee.png";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// GDI+ for as long as one picture is read.
class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusSession() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool ok() const { return ok_; }

 private:
  ULONG_PTR token_ = 0;
  bool ok_ = false;
};

// The picture in a bitmap of exactly the box's size: scaled down to fit when larger, keeping its
// proportions, and centred on the window's colour.
HBITMAP loadPicture(const std::filesystem::path& path, int width, int height) {
  namespace flat = Gdiplus::DllExports;
  const GdiplusSession session;
  if (!session.ok()) return nullptr;
  Gdiplus::GpBitmap* source = nullptr;
  if (flat::GdipCreateBitmapFromFile(path.c_str(), &source) != Gdiplus::Ok) return nullptr;
  UINT sourceWidth = 0;
  UINT sourceHeight = 0;
  flat::GdipGetImageWidth(source, &sourceWidth);
  flat::GdipGetImageHeight(source, &sourceHeight);
  HBITMAP result = nullptr;
  Gdiplus::GpBitmap* canvas = nullptr;
  if (sourceWidth > 0 && sourceHeight > 0 &&
      flat::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &canvas) ==
          Gdiplus::Ok) {
    const double scale = std::min({1.0, static_cast<double>(width) / sourceWidth,
                                   static_cast<double>(height) / sourceHeight});
    const int drawnWidth = static_cast<int>(sourceWidth * scale + 0.5);
    const int drawnHeight = static_cast<int>(sourceHeight * scale + 0.5);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Gdiplus::ARGB background =
        0xFF000000u | (static_cast<Gdiplus::ARGB>(GetRValue(face)) << 16) |
        (static_cast<Gdiplus::ARGB>(GetGValue(face)) << 8) | GetBValue(face);
    Gdiplus::GpGraphics* graphics = nullptr;
    if (flat::GdipGetImageGraphicsContext(canvas, &graphics) == Gdiplus::Ok) {
      flat::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeHighQualityBicubic);
      flat::GdipGraphicsClear(graphics, background);
      flat::GdipDrawImageRectI(graphics, source, (width - drawnWidth) / 2,
                               (height - drawnHeight) / 2, drawnWidth, drawnHeight);
      flat::GdipDeleteGraphics(graphics);
      flat::GdipCreateHBITMAPFromBitmap(canvas, &result, background);
    }
    flat::GdipDisposeImage(canvas);
  }
  flat::GdipDisposeImage(source);
  return result;
}

}  // namespace

void PictureWindow::registerClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kWindowClass, &windowClass) != FALSE) return;
  windowClass.lpfnWndProc = PictureWindow::windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

std::filesystem::path PictureWindow::picturePath() {
  std::wstring program(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (length < program.size()) {
      program.resize(length);
      break;
    }
    program.resize(program.size() * 2);
  }
  return std::filesystem::path(program).parent_path() / kPictureFile;
}

PictureWindow::PictureWindow(HWND owner, UiFonts& fonts) : owner_(owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  registerClass(instance);
  RECT ownerRect{};
  GetWindowRect(owner_, &ownerRect);
  const int left = (ownerRect.left + ownerRect.right - kOuterWidth) / 2;
  const int top = (ownerRect.top + ownerRect.bottom - kOuterHeight) / 2;
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kWindowClass, L"", kStyle, left, top, kOuterWidth,
                            kOuterHeight, owner_, nullptr, instance, this);
  if (window_ == nullptr) return;

  bitmap_ = loadPicture(picturePath(), kPictureWidth, kPictureHeight);
  if (bitmap_ != nullptr) {
    picture_ =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE, 0, 0,
                        kPictureWidth, kPictureHeight, window_, nullptr, instance, nullptr);
    SendMessageW(picture_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
  } else {
    const std::wstring note = L"图片 " + std::wstring(kPictureFile) + L" 不在程序旁边。";
    picture_ = CreateWindowExW(0, L"STATIC", note.c_str(),
                               WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, 0, 0,
                               kPictureWidth, kPictureHeight, window_, nullptr, instance, nullptr);
    SendMessageW(picture_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.get(kHintFontHeight)), FALSE);
  }
}

PictureWindow::~PictureWindow() {
  close();
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void PictureWindow::runModal() {
  if (window_ == nullptr) return;
  EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  MSG message;
  while (window_ != nullptr) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  close();
}

void PictureWindow::close() {
  if (window_ == nullptr) return;
  // The owner is enabled before the window goes, so that the system activates it, not another
  // program's window.
  EnableWindow(owner_, TRUE);
  HWND window = window_;
  window_ = nullptr;
  picture_ = nullptr;
  DestroyWindow(window);
}

LRESULT CALLBACK PictureWindow::windowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto& creation = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation.lpCreateParams));
  }
  auto* self = reinterpret_cast<PictureWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_CLOSE && self != nullptr) {
    self->close();
    return 0;
  }
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE && self != nullptr) {
    self->close();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quintrel::win32
