// What the main window tells a screen reader after an operation changed its
// lists: each list's row count, and after a draw the first name it drew.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace lotwheel::ui {

// A list's description: its row count, "12件".
std::u16string CountText(int count);

// The output list's description after a draw: its row count and the first
// entry of that draw as its row shows it, "3件、今回の1件目: 青木".
std::u16string DrawnText(int count, std::u16string_view first_drawn);

// What the pressed button reports: each changed list by its spoken name
// with its description, "入力ソース 7件、出力 3件、今回の1件目: 青木".
// Lists are given by their control name in the main window's table.
std::u16string Announcement(
    std::initializer_list<std::pair<std::string_view, std::u16string_view>>
        lists);

}  // namespace lotwheel::ui
