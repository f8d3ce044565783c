// What the main window tells a screen reader after an operation.
#include "ui/announcements.h"

#include "ui/row_text.h"
#include "ui/window_layout.h"

namespace lotwheel::ui {

std::u16string CountText(int count) {
  std::u16string text;
  for (char ch : std::to_string(count)) text += static_cast<char16_t>(ch);
  return text + u"件";
}

std::u16string DrawnText(int count, std::u16string_view first_drawn) {
  // An empty entry would leave the sentence hanging; say what it is.
  const std::u16string entry = first_drawn.empty()
                                   ? std::u16string(u"（空の行）")
                                   : RowText(first_drawn);
  return CountText(count) + u"、今回の1件目: " + entry;
}

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
