// Routes queued messages through the dialog manager, dropping held keys.
#include "ui/win32/dialog_message.h"

#include "ui/win32/composition.h"

namespace lotwheel::win32 {
namespace {

// Bit 30 of a key message: the key was already down, so this is a repeat.
constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

bool IsPushButton(HWND control) {
  if (control == nullptr) return false;
  const LRESULT code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

bool IsHeldPress(const MSG& msg) {
  if ((msg.lParam & kKeyWasDown) == 0) return false;
  switch (msg.message) {
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
      // Alt held with a letter: each repeat would be the access key again.
      return true;
    case WM_KEYDOWN:
    case WM_CHAR:
      // VK_RETURN and VK_SPACE are also the characters '\r' and ' '.
      return (msg.wParam == VK_RETURN || msg.wParam == VK_SPACE) &&
             IsPushButton(GetFocus());
    default:
      return false;
  }
}

}  // namespace

bool RouteDialogMessage(HWND dialog, MSG& msg) {
  if (IsHeldPress(msg)) return true;
  // An access key moves the focus before its button is pressed, and an
  // input method may drop what it composes when its box loses the focus:
  // the composition is finished while the box still has it, and the key
  // is taken again behind the messages that bring the text to the box.
  if (msg.message == WM_SYSCHAR && IsChild(dialog, GetFocus()) &&
      FinishComposition(GetFocus())) {
    PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
  }
  return IsDialogMessageW(dialog, &msg) != FALSE;
}

}  // namespace lotwheel::win32
