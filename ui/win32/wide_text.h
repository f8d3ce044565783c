// Between the engine's UTF-16 strings and the Windows API's wchar_t text.
// On Windows both are the same 16-bit code units, so nothing is converted.
#pragma once

#include <string>
#include <string_view>

namespace lotwheel::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t),
              "wchar_t is UTF-16 on Windows");

inline std::wstring_view WideView(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::u16string_view U16View(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(WideView(text));
}

inline std::u16string ToU16(std::wstring_view text) {
  return std::u16string(U16View(text));
}

}  // namespace lotwheel::win32
