// The program's typeface: 微软雅黑 where it is installed, else a CJK sans-serif face that looks
// alike (WenQuanYi Micro Hei on Debian), so that every Chinese text renders.
#pragma once

#include <QFont>

namespace quintrel::qt {

// The face at a character height in pixels (the em height; Windows writes it as a negative
// logical height: -12 is 12 pixels at 96 dpi).
QFont uiFont(int characterHeight);

}  // namespace quintrel::qt
