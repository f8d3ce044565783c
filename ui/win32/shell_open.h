// Opening a web page in the user's browser through the Windows shell.
#pragma once

#include <windows.h>

#include <string>

namespace lotwheel::win32 {

// The shell's call, shaped as ShellExecuteA; tests put their own in its place
// to see the exact arguments.
using ShellExecuteCall = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR,
                                            LPCSTR, INT);

// Hands `address` to the shell: no owner window, "open", an empty parameter
// text, the process's current directory and a normal window, all in the ANSI
// code page. Where that code page cannot spell the current directory, the
// directory goes as its short name, or as none, which the shell takes for the
// current one. It returns at once and its result is not looked at: with no
// browser there is nothing the user could do about it.
void OpenWebPage(const std::string& address);

// Makes OpenWebPage call `call` from now on; returns the call it replaces.
ShellExecuteCall UseShellExecute(ShellExecuteCall call);

}  // namespace lotwheel::win32
