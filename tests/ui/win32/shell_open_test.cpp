// The working directory that opening a web page hands the shell, from
// folders named in Japanese, in Greek and with an emoji: under the ANSI code
// page of a Japanese or an English locale, and under UTF-8 as the program's
// manifest asks for, it names the current folder.
#include "ui/win32/shell_open.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace lotwheel::win32 {
namespace {

// The directory each shell call received, and the ANSI text of the current
// directory at the time.
struct Received {
  std::string directory;
  std::string current;
};
std::vector<Received> received;

HINSTANCE WINAPI RecordShellCall(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR directory,
                                 INT) {
  char current[MAX_PATH * 4] = {};
  GetCurrentDirectoryA(sizeof(current), current);
  received.push_back({directory ? directory : "(none)", current});
  return reinterpret_cast<HINSTANCE>(42);
}

// Bytes outside ASCII as \xNN, for the log.
std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    char escaped[8];
    std::snprintf(escaped, sizeof(escaped), c < 0x80 ? "%c" : "\\x%02X", c);
    out += escaped;
  }
  return out;
}

TEST(ShellOpen, WorkingDirectoryNamesTheCurrentFolder) {
  wchar_t temp[MAX_PATH] = {}, start[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  GetCurrentDirectoryW(MAX_PATH, start);
  const std::wstring base = std::wstring(temp) + L"lotwheel-shell-open-" +
                            std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(base.c_str(), nullptr);  // or left by a run that failed
  const bool utf8 = GetACP() == CP_UTF8;
#ifdef LOTWHEEL_UTF8_MANIFEST
  EXPECT_TRUE(utf8) << "code page " << GetACP();
#endif
  const ShellExecuteCall real = UseShellExecute(&RecordShellCall);
  const struct {
    const char* what;
    const wchar_t* name;
  } folders[] = {{"ASCII", L"draw"},
                 {"Japanese", L"抽選会場"},
                 {"Greek", L"Κλήρωση"},
                 {"emoji", L"大会\U0001F3B2"}};
  for (const auto& folder : folders) {
    SCOPED_TRACE(folder.what);
    const std::wstring path = base + L"\\" + folder.name;
    const std::wstring marker = path + L"\\here.txt";
    CreateDirectoryW(path.c_str(), nullptr);
    // A file only this folder holds: found through the text the shell got,
    // that text names this folder.
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    received.clear();
    SetCurrentDirectoryW(path.c_str());
    OpenWebPage("https://example.org/");
    SetCurrentDirectoryW(start);
    ASSERT_EQ(received.size(), 1u);
    const Received& got = received.front();
    std::printf("code page %u, %s folder: %s\n", GetACP(), folder.what,
                Printable(got.directory).c_str());
    EXPECT_NE(GetFileAttributesA((got.directory + "\\here.txt").c_str()),
              INVALID_FILE_ATTRIBUTES)
        << Printable(got.directory);
    // Wherever the code page spells the folder, the shell gets the current
    // directory exactly as GetCurrentDirectoryA reads it.
    if (utf8 || folder.name[0] < 0x80) {
      EXPECT_EQ(got.directory, got.current);
    }
    DeleteFileW(marker.c_str());
    RemoveDirectoryW(path.c_str());
  }
  UseShellExecute(real);
  RemoveDirectoryW(base.c_str());
}

}  // namespace
}  // namespace lotwheel::win32
