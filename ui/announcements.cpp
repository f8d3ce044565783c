// What a screen reader is told after each operation of the main window.
#include "ui/announcements.h"

#include "ui/row_text.h"

namespace lotwheel::ui {
namespace {

std::u16string Number(int n) {
  std::u16string text;
  for (char ch : std::to_string(n)) text += static_cast<char16_t>(ch);
  return text;
}

// An entry as its row shows it; an empty one would leave a gap in the
// sentence, so it is said to be an empty line.
std::u16string SpokenEntry(std::u16string_view entry) {
  return entry.empty() ? std::u16string(u"（空の行）") : RowText(entry);
}

}  // namespace

std::u16string AddedText(int added, int source_count) {
  return Number(added) + u"件を追加しました。入力ソースは" +
         Number(source_count) + u"件です。";
}

std::u16string DrawnText(const DrawSession& session, int first_drawn) {
  const int drawn = session.OutputCount() - first_drawn;
  std::u16string text = Number(drawn) + u"件を抽出しました";
  for (int i = 0; i < drawn && i < kNamesAnnounced; ++i) {
    text += i == 0 ? u": " : u"、";
    text +=
        SpokenEntry(session.OutputAt(static_cast<int16_t>(first_drawn + i)));
  }
  if (drawn > kNamesAnnounced)
    text += u" ほか" + Number(drawn - kNamesAnnounced) + u"件";
  return text + u"。入力ソースの残りは" + Number(session.SourceCount()) +
         u"件です。";
}

std::u16string CopiedText(int count) {
  return u"出力の" + Number(count) + u"件をクリップボードにコピーしました。";
}

std::u16string ClearedText() { return u"入力ソースと出力を空にしました。"; }

}  // namespace lotwheel::ui
