// Loads DLLs of Windows from the system folder only.
#include "ui/win32/system_library.h"

namespace lotwheel::win32 {

SystemLibrary::SystemLibrary(const wchar_t* name)
    : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

SystemLibrary::~SystemLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

FARPROC SystemLibrary::Address(const char* name) const {
  return module_ != nullptr ? GetProcAddress(module_, name) : nullptr;
}

}  // namespace lotwheel::win32
