// The Windows clipboard, opened with a short wait for whoever holds it.
#include "ui/win32/win32_clipboard.h"

#include <cstring>

namespace lotwheel::win32 {
namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kWaitBetweenAttemptsMs = 25;

// A movable global block holding the text and its final NUL, as the
// clipboard wants it; nullptr when memory runs out.
HGLOBAL GlobalCopy(std::u16string_view text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block == nullptr) return nullptr;
  auto* target = static_cast<wchar_t*>(GlobalLock(block));
  if (target == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
  target[text.size()] = L'\0';
  GlobalUnlock(block);
  return block;
}

}  // namespace

Win32Clipboard::Win32Clipboard(HWND owner) : owner_(owner) {}

bool Win32Clipboard::Open() {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) Sleep(kWaitBetweenAttemptsMs);
    if (OpenClipboard(owner_)) return true;
  }
  return false;
}

bool Win32Clipboard::ReplaceText(std::u16string_view text) {
  HGLOBAL block = GlobalCopy(text);
  if (block == nullptr) return false;
  if (!Open()) {
    GlobalFree(block);
    return false;
  }
  bool taken = false;
  if (EmptyClipboard()) {
    // Once taken, the block belongs to the clipboard.
    taken = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  }
  CloseClipboard();
  if (!taken) GlobalFree(block);
  return taken;
}

}  // namespace lotwheel::win32
