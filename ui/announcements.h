// What the main window tells a screen reader after an operation changed its
// lists: each list's row count, and after a draw the first name it drew.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// What is said once an operation is done, wherever the focus is:
// "3件を追加しました。入力ソースは7件です。"
std::u16string AddedReport(int added, int source_count);
// The names of one draw, in the order drawn, as their rows show them: the
// first five, then how many more. "2件を抽出しました: 青木、石井。入力ソース
// の残りは1件です。"
std::u16string DrawnReport(const std::vector<std::u16string_view>& drawn,
                           int source_count);
// "出力の3件をクリップボードにコピーしました。"
std::u16string CopiedReport(int copied);
// "入力ソースと出力を空にしました。"
std::u16string ClearedReport();

}  // namespace lotwheel::ui
