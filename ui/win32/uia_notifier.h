// Short announcements for screen readers through UI Automation: a text that
// is spoken once, such as the outcome of a button press.
#pragma once

#include <windows.h>

#include <string_view>

// After windows.h, which it builds on.
#include <uiautomationcore.h>

namespace lotwheel::win32 {

// The two functions of UIAutomationCore.dll that an announcement takes,
// shaped as Windows exports them; null where the DLL or the function is
// missing (before Windows 10 version 1709, or under Wine).
using HostProviderFromHwnd =
    HRESULT(WINAPI*)(HWND window, IRawElementProviderSimple** provider);
using RaiseNotificationEvent =
    HRESULT(WINAPI*)(IRawElementProviderSimple* provider, int kind,
                     int processing, BSTR display_string, BSTR activity_id);
struct UiaFunctions {
  HostProviderFromHwnd host_provider_from_hwnd = nullptr;
  RaiseNotificationEvent raise_notification_event = nullptr;
};

// NotificationKind_ActionCompleted and
// NotificationProcessing_ImportantMostRecent, which the MinGW headers lack.
inline constexpr int kNotificationActionCompleted = 2;
inline constexpr int kProcessingImportantMostRecent = 1;
// Tells a screen reader which announcements belong together: a newer one
// replaces an older one it has not finished.
inline constexpr wchar_t kAnnouncementActivity[] = L"lotwheel";

// Raises a notification event on `window` with `text`, for a screen reader
// to speak. Where UI Automation cannot, nothing happens.
void Announce(HWND window, std::u16string_view text);

// Makes Announce call `functions` from now on; returns the ones it replaces.
// The system's are loaded from System32 alone, when first needed.
UiaFunctions UseUiaFunctions(const UiaFunctions& functions);

}  // namespace lotwheel::win32
