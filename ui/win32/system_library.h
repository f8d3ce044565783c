// A DLL of Windows itself, loaded from the system folder alone, and typed
// pointers to its functions.
#pragma once

#include <windows.h>

namespace lotwheel::win32 {

// Loads `name` from System32 and nowhere else, so that a file of that name
// beside the program or in the current folder is never run; frees it again
// when destroyed. A DLL this Windows lacks leaves the library empty, and
// every function of it null.
class SystemLibrary final {
 public:
  explicit SystemLibrary(const wchar_t* name);
  ~SystemLibrary();
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The function `name` as `Function`, a pointer to a function of the
  // type the DLL exports it with; null when the DLL or the function is
  // missing.
  template <typename Function>
  Function Get(const char* name) const {
    // Through void (*)(), which converts to and from every function
    // pointer type without a warning about incompatible types.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(Address(name)));
  }

 private:
  FARPROC Address(const char* name) const;

  HMODULE module_;
};

}  // namespace lotwheel::win32
