// Finishing a composition through the input method manager, with imm32.dll
// loaded at run time from System32.
#include "ui/win32/composition.h"

#include <imm.h>

#include "ui/win32/system_library.h"

namespace lotwheel::win32 {
namespace {

struct ImmFunctions {
  decltype(&ImmGetContext) get_context;
  decltype(&ImmGetCompositionStringW) get_composition;
  decltype(&ImmNotifyIME) notify;
  decltype(&ImmReleaseContext) release_context;
};

const ImmFunctions& Imm() {
  static const SystemLibrary library(L"imm32.dll");
  static const ImmFunctions functions{
      library.Get<decltype(&ImmGetContext)>("ImmGetContext"),
      library.Get<decltype(&ImmGetCompositionStringW)>(
          "ImmGetCompositionStringW"),
      library.Get<decltype(&ImmNotifyIME)>("ImmNotifyIME"),
      library.Get<decltype(&ImmReleaseContext)>("ImmReleaseContext")};
  return functions;
}

}  // namespace

bool FinishComposition(HWND edit) {
  const ImmFunctions& imm = Imm();
  if (imm.get_context == nullptr || imm.get_composition == nullptr ||
      imm.notify == nullptr || imm.release_context == nullptr)
    return false;
  HIMC context = imm.get_context(edit);
  if (context == nullptr) return false;  // no input method for this control
  const auto composing = [&] {
    return imm.get_composition(context, GCS_COMPSTR, nullptr, 0) > 0;
  };
  bool finished = false;
  if (composing()) {
    // The input method hands the composed text to the control as its
    // result, at once or through messages it posts.
    imm.notify(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    finished = !composing();
  }
  imm.release_context(edit, context);
  return finished;
}

}  // namespace lotwheel::win32
