// Announcements for screen readers through UI Automation's notification
// event, with UIAutomationCore.dll loaded at run time from System32.
#include "ui/win32/uia_notifier.h"

#include <oleauto.h>

#include "ui/win32/system_library.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

// Loaded once and kept until the program ends: UI Automation keeps state
// of its own for the window once it has been asked for a provider.
UiaFunctions SystemFunctions() {
  static const SystemLibrary library(L"UIAutomationCore.dll");
  return {library.Get<HostProviderFromHwnd>("UiaHostProviderFromHwnd"),
          library.Get<RaiseNotificationEvent>("UiaRaiseNotificationEvent")};
}

// The functions in use: the system's until a test puts its own in.
UiaFunctions& Active() {
  static UiaFunctions active = SystemFunctions();
  return active;
}

}  // namespace

void Announce(HWND window, std::u16string_view text) {
  const UiaFunctions& uia = Active();
  if (uia.host_provider_from_hwnd == nullptr ||
      uia.raise_notification_event == nullptr)
    return;
  IRawElementProviderSimple* provider = nullptr;
  if (FAILED(uia.host_provider_from_hwnd(window, &provider)) ||
      provider == nullptr)
    return;
  BSTR display =
      SysAllocStringLen(WideView(text).data(), static_cast<UINT>(text.size()));
  BSTR activity = SysAllocString(kAnnouncementActivity);
  if (display != nullptr && activity != nullptr) {
    // Nobody could act on a failure: an announcement is a courtesy.
    (void)uia.raise_notification_event(provider, kNotificationActionCompleted,
                                       kProcessingImportantMostRecent, display,
                                       activity);
  }
  SysFreeString(display);
  SysFreeString(activity);
  provider->Release();
}

UiaFunctions UseUiaFunctions(const UiaFunctions& functions) {
  const UiaFunctions previous = Active();
  Active() = functions;
  return previous;
}

}  // namespace lotwheel::win32
