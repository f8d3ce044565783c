// What the main window tells a screen reader after an operation.
#include "ui/announcements.h"

#include "ui/row_text.h"
#include "ui/window_layout.h"

namespace lotwheel::ui {

namespace {

// How many names of one draw are read out; the rest are counted.
constexpr size_t kNamesRead = 5;

// An empty entry would leave the sentence hanging; say what it is.
std::u16string SpokenEntry(std::u16string_view entry) {
  return entry.empty() ? std::u16string(u"（空の行）") : RowText(entry);
}

}  // namespace

std::u16string CountText(int count) {
  std::u16string text;
  for (char ch : std::to_string(count)) text += static_cast<char16_t>(ch);
  return text + u"件";
}

std::u16string DrawnText(int count, std::u16string_view first_drawn) {
  return CountText(count) + u"、今回の1件目: " + SpokenEntry(first_drawn);
}

std::u16string AddedReport(int added, int source_count) {
  return CountText(added) + u"を追加しました。入力ソースは" +
         CountText(source_count) + u"です。";
}

std::u16string DrawnReport(const std::vector<std::u16string_view>& drawn,
                           int source_count) {
  std::u16string text =
      CountText(static_cast<int>(drawn.size())) + u"を抽出しました";
  for (size_t i = 0; i < drawn.size() && i < kNamesRead; ++i) {
    text += i == 0 ? u": " : u"、";
    text += SpokenEntry(drawn[i]);
  }
  if (drawn.size() > kNamesRead) {
    text += u" ほか" + CountText(static_cast<int>(drawn.size() - kNamesRead));
  }
  return text + u"。入力ソースの残りは" + CountText(source_count) + u"です。";
}

std::u16string CopiedReport(int copied) {
  return u"出力の" + CountText(copied) + u"をクリップボードにコピーしました。";
}

std::u16string ClearedReport() { return u"入力ソースと出力を空にしました。"; }

std::u16string Announcement(
    std::initializer_list<std::pair<std::string_view, std::u16string_view>>
        lists) {
  std::u16string text;
  for (const auto& [control, description] : lists) {
    if (!text.empty()) text += u"、";
    text += MainWindowLayout().Control(control).spoken_name;
    text += u' ';
    text += description;
  }
  return text;
}

}  // namespace lotwheel::ui
