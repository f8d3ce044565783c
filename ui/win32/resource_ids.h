// Resource numbers shared by the Windows resource scripts and the C++ code.
#pragma once

// The program's icon is the group icon named "IDI_ICON1" in the version
// record's script (cmake/lotwheel.rc.in); it is looked up by that name.
#define LOTWHEEL_ICON_NAME "IDI_ICON1"

// The version window's two banners and the hand pointer over them.
#define IDB_BANNER_GROUP 201
#define IDB_BANNER_LABEL 202
#define IDC_HAND_POINTER 203

#ifndef RC_INVOKED
namespace lotwheel::win32 {
inline constexpr wchar_t kAppIconName[] = L"" LOTWHEEL_ICON_NAME;
}  // namespace lotwheel::win32
#endif
