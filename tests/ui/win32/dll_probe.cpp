// Loads oleacc.dll and UIAutomationCore.dll, for the planted-DLL tests to
// see where from:
//   dll_probe             as the windows do: a screen reader's question to
//                         a named control, and an announcement
//   dll_probe by-name     by name alone, from wherever Windows looks first
#include <objbase.h>
#include <windows.h>

#include <cstring>

#include "ui/win32/accessible_name.h"
#include "ui/win32/uia_notifier.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "by-name") == 0) {
    const bool loaded = LoadLibraryW(L"oleacc.dll") != nullptr &&
                        LoadLibraryW(L"UIAutomationCore.dll") != nullptr;
    return loaded ? 0 : 1;
  }
  (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10,
                                nullptr, nullptr, nullptr, nullptr);
  lotwheel::win32::SetSpokenName(window, u"probe");
  SendMessageW(window, WM_GETOBJECT, 0, OBJID_CLIENT);
  lotwheel::win32::Announce(window, u"probe");
  DestroyWindow(window);
  CoUninitialize();
  return 0;
}
