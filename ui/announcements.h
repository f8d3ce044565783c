// What a screen reader is told after each operation of the main window.
#pragma once

#include <string>

#include "engine/draw_session.h"

namespace lotwheel::ui {

// A draw names at most this many of its entries, then how many more.
inline constexpr int kNamesAnnounced = 5;

// "3件を追加しました。入力ソースは7件です。"
std::u16string AddedText(int added, int source_count);
// The entries drawn from `first_drawn` of the output on, the first few by
// name as their rows show them, and what is left:
// "7件を抽出しました: 青木、…、林 ほか2件。入力ソースの残りは3件です。"
std::u16string DrawnText(const DrawSession& session, int first_drawn);
// "出力の3件をクリップボードにコピーしました。"
std::u16string CopiedText(int count);
// "入力ソースと出力を空にしました。"
std::u16string ClearedText();

}  // namespace lotwheel::ui
