// Opens web pages through ShellExecuteA of the Windows shell.
#include "ui/win32/shell_open.h"

#include <shellapi.h>

namespace lotwheel::win32 {
namespace {

ShellExecuteCall shell_execute = &ShellExecuteA;

// The text of a call that is asked once for the size it needs, then for the
// text (GetCurrentDirectoryA, GetShortPathNameW, ...); empty if it can't be
// read.
template <typename Char, typename Read>
std::basic_string<Char> ReadText(Read read) {
  std::basic_string<Char> text(read(0, nullptr), Char{});
  if (text.empty()) return text;
  const DWORD length = read(static_cast<DWORD>(text.size()), text.data());
  text.resize(length < text.size() ? length : 0);
  return text;
}

// The code page of the "A" file functions: the ANSI one unless a program
// asked for the OEM one.
UINT FileCodePage() { return AreFileApisANSI() ? CP_ACP : CP_OEMCP; }

// Whether the ANSI text `ansi` reads back as exactly `wide`: a character
// the code page lacks turns into "?" or a look-alike, and the text then
// names another folder or none.
bool Names(const std::string& ansi, const std::wstring& wide) {
  if (ansi.empty() || wide.empty()) return false;
  const int size = static_cast<int>(ansi.size());
  std::wstring back(
      MultiByteToWideChar(FileCodePage(), 0, ansi.data(), size, nullptr, 0),
      L'\0');
  MultiByteToWideChar(FileCodePage(), 0, ansi.data(), size, back.data(),
                      static_cast<int>(back.size()));
  return back == wide;
}

std::string ToAnsi(const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  std::string ansi(WideCharToMultiByte(FileCodePage(), 0, wide.data(), size,
                                       nullptr, 0, nullptr, nullptr),
                   '\0');
  WideCharToMultiByte(FileCodePage(), 0, wide.data(), size, ansi.data(),
                      static_cast<int>(ansi.size()), nullptr, nullptr);
  return ansi;
}

// The process's current directory in the ANSI code page, as
// GetCurrentDirectoryA gives it, where that text names the folder. Where
// the code page cannot spell the folder's name (a Japanese name under code
// page 1252, an emoji under any but UTF-8, which the manifest asks for
// from Windows 10 version 1903 on), its short name where that can; failing
// both, empty: the shell then starts in the current directory by itself.
std::string CurrentDirectory() {
  const std::wstring wide = ReadText<wchar_t>([](DWORD size, wchar_t* buffer) {
    return GetCurrentDirectoryW(size, buffer);
  });
  std::string ansi = ReadText<char>([](DWORD size, char* buffer) {
    return GetCurrentDirectoryA(size, buffer);
  });
  if (Names(ansi, wide)) return ansi;
  const std::wstring short_name =
      ReadText<wchar_t>([&wide](DWORD size, wchar_t* buffer) {
        return GetShortPathNameW(wide.c_str(), buffer, size);
      });
  ansi = ToAnsi(short_name);
  return Names(ansi, short_name) ? ansi : std::string();
}

}  // namespace

void OpenWebPage(const std::string& address) {
  const std::string directory = CurrentDirectory();
  (void)shell_execute(nullptr, "open", address.c_str(), "",
                      directory.empty() ? nullptr : directory.c_str(),
                      SW_SHOWNORMAL);
}

ShellExecuteCall UseShellExecute(ShellExecuteCall call) {
  const ShellExecuteCall previous = shell_execute;
  shell_execute = call;
  return previous;
}

}  // namespace lotwheel::win32
