// The bridge between the core's code page 936 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quintrel::qt {

// The text for display; bytes that are no code page 936 character show as U+FFFD.
QString fromCp936(std::string_view bytes);
// The code page 936 bytes of text; characters it cannot hold become "?".
std::string toCp936(const QString& text);

}  // namespace quintrel::qt
