// Finishing a composition through the input method manager, with imm32.dll
// loaded at run time from System32.
#include "ui/win32/composition.h"

#include <imm.h>

#include "ui/win32/system_library.h"

namespace lotwheel::win32 {
namespace {

struct ImmFunctions {
  decltype(&ImmGetContext) get_context;
  decltype(&ImmNotifyIME) notify;
  decltype(&ImmReleaseContext) release_context;
};

const ImmFunctions& Imm() {
  static const SystemLibrary library(L"imm32.dll");
  static const ImmFunctions functions{
      library.Get<decltype(&ImmGetContext)>("ImmGetContext"),
      library.Get<decltype(&ImmNotifyIME)>("ImmNotifyIME"),
      library.Get<decltype(&ImmReleaseContext)>("ImmReleaseContext")};
  return functions;
}

}  // namespace

void FinishComposition(HWND edit) {
  const ImmFunctions& imm = Imm();
  if (imm.get_context == nullptr || imm.notify == nullptr ||
      imm.release_context == nullptr)
    return;
  HIMC context = imm.get_context(edit);
  if (context == nullptr) return;  // no input method for this control
  // The input method sends the composed text to the control as its result,
  // before this returns.
  imm.notify(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
  imm.release_context(edit, context);
}

}  // namespace lotwheel::win32
