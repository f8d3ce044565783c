// Every fixed text that the windows show, and the names and web addresses of
// the version window: written once for every frontend.
#pragma once

#include <string>
#include <string_view>

#include "lotwheel_version.h"

namespace lotwheel::ui {

// Titles: the product name comes from the build, like the version record.
inline constexpr std::u16string_view kMainTitle = kProductName;
inline constexpr std::u16string_view kVerInfoTitle = kVerInfoWindowTitle;
// Every message box of the program has this title.
inline constexpr std::u16string_view kMessageTitle = u"Error";

// The homepage of the group that makes the program.
inline constexpr char kGroupHomePage[] = "https://zq.example.org/";
// The label that produced the program, the download site that carries the
// author's page, and that page.
inline constexpr std::u16string_view kLabelName = u"Lotus Lane Soft";
inline constexpr std::u16string_view kAuthorSiteName = u"Soft Harbor";
inline constexpr char kAuthorPage[] =
    "https://downloads.example.net/authors/lotuslane/";

// What a screen reader calls the action of a picture that opens a page.
inline constexpr std::u16string_view kLinkActionName = u"ジャンプ";

// The initial text of the credits box: eight lines, each ended by CR LF.
inline constexpr std::u16string_view kCreditsText =
    u"Programmed by Kanon Yukimichi\r\n"
    u"Original concept by Z.Q Project\r\n"
    u"Thanks to every player and helper at the Z.Q tournaments\r\n"
    u"\r\n"
    u"A Lotus Lane Soft production\r\n"
    u"\r\n"
    u"Copyright (C) Kanon Yukimichi\r\n"
    u"Copyright (C) Z.Q Project\r\n";

// The version window's line: "Version:" and the version text of the build.
inline std::u16string VersionLine() {
  return std::u16string(u"Version:") + std::u16string(kVersionText);
}

}  // namespace lotwheel::ui
