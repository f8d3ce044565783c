// Between the engine's UTF-16 strings and QString, which is UTF-16 already:
// nothing is converted, so a lone surrogate passes through untouched.
#pragma once

#include <QString>
#include <string_view>

namespace lotwheel::qt {

inline QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()),
                 static_cast<qsizetype>(text.size()));
}

// Valid while the QString lives and is not changed.
inline std::u16string_view ViewOf(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()),
          static_cast<size_t>(text.size())};
}

}  // namespace lotwheel::qt
