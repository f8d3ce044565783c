// Between the engine's UTF-16 strings and the Windows API's wchar_t text.
// On Windows both are the same 16-bit code units, so nothing is converted.
#pragma once

#include <windows.h>

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

// The text of a window or control, as it has it now.
inline std::u16string WindowText(HWND window) {
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)), u'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                     static_cast<int>(text.size()) + 1)));
  return text;
}

}  // namespace lotwheel::win32
