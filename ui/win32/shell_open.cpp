// Opens web pages through ShellExecuteA of the Windows shell.
#include "ui/win32/shell_open.h"

#include <shellapi.h>

namespace lotwheel::win32 {
namespace {

ShellExecuteCall shell_execute = &ShellExecuteA;

// The current directory in the ANSI code page; empty if it can't be read.
std::string CurrentDirectory() {
  std::string directory(GetCurrentDirectoryA(0, nullptr), '\0');
  if (directory.empty()) return directory;
  const DWORD length = GetCurrentDirectoryA(
      static_cast<DWORD>(directory.size()), directory.data());
  directory.resize(length < directory.size() ? length : 0);
  return directory;
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
