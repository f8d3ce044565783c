// The names, web addresses and credits that the version window shows.
#pragma once

namespace lotwheel {

// The group that makes the program, and its homepage.
inline constexpr char kGroupName[] = "Z.Q Project";
inline constexpr char kGroupHomePage[] = "https://zq.example.org/";

// The label that produced the program, the download site that carries the
// author's page, and that page.
inline constexpr char kLabelName[] = "Lotus Lane Soft";
inline constexpr char kAuthorSiteName[] = "Soft Harbor";
inline constexpr char kAuthorPage[] =
    "https://downloads.example.net/authors/lotuslane/";

// The initial text of the credits box: eight lines, each ended by CR LF.
inline constexpr char kCreditsText[] =
    "Programmed by Kanon Yukimichi\r\n"
    "Original concept by Z.Q Project\r\n"
    "Thanks to every player and helper at the Z.Q tournaments\r\n"
    "\r\n"
    "A Lotus Lane Soft production\r\n"
    "\r\n"
    "Copyright (C) Kanon Yukimichi\r\n"
    "Copyright (C) Z.Q Project\r\n";

}  // namespace lotwheel
