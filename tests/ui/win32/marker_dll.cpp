// A stand-in for a DLL of Windows, planted beside a program by the tests:
// whoever loads it leaves a file beside it, named after it with ".loaded"
// added, as a planted DLL could have run any code of its choosing.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 8] = {};
  if (GetModuleFileNameW(self, path, MAX_PATH) == 0) return TRUE;
  lstrcatW(path, L".loaded");
  const HANDLE mark =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  return TRUE;
}
