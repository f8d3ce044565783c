// Which message each outcome of an operation gives, in the one kind of
// message box the program has (title kMessageTitle, exclamation icon, OK).
#pragma once

#include <string>
#include <string_view>

#include "engine/draw_session.h"

namespace lotwheel::ui {

// Empty for the outcomes that show no message.
std::u16string MessageFor(AddOutcome outcome);
std::u16string MessageFor(DrawOutcome outcome);

// An operation ran out of memory; it changed nothing.
inline constexpr std::u16string_view kOutOfMemoryMessage =
    u"メモリが足りないため、操作を完了できませんでした。\n"
    u"入力ソースと出力は変わっていません。";
// The platform clipboard did not take the text.
inline constexpr std::u16string_view kClipboardFailedMessage =
    u"クリップボードにコピーできませんでした。\n"
    u"ほかのアプリケーションが使用中の可能性があります。"
    u"もう一度お試しください。";

}  // namespace lotwheel::ui
