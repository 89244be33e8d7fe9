#include "ui/qt/fonts.h"

#include <QStringList>

namespace quintrel::qt {

QFont uiFont(int characterHeight) {
  QFont font;
  font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("Droid Sans Fallback")});
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Normal);
  font.setPixelSize(characterHeight);
  return font;
}

}  // namespace quintrel::qt
