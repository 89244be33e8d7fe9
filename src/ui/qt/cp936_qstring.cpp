#include "ui/qt/cp936_qstring.h"

#include "platform/iconv/iconv_text_codec.h"

namespace quintrel::qt {
namespace {

// One converter pair for the whole program: everything runs on the GUI thread.
const IconvTextCodec& codec() {
  static const IconvTextCodec instance;
  return instance;
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

QString fromCp936(std::string_view bytes) {
  // Most cells (numbers, hotkey texts) are ASCII: no converter needed.
  if (isAscii(bytes))
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::string utf8 = codec().toUtf8(bytes).text;
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp936(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const std::string_view view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  if (isAscii(view)) return std::string(view);
  return codec().fromUtf8(view).text;
}

}  // namespace quintrel::qt
