// Which message each outcome of an operation gives.
#include "ui/messages.h"

namespace lotwheel::ui {
namespace {

// A list's limit as the messages write it, with thousands grouped: "32,767".
std::u16string Limit() {
  std::u16string text;
  const std::string digits = std::to_string(kMaxEntries);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += u',';
    text += static_cast<char16_t>(digits[i]);
  }
  return text;
}

}  // namespace

std::u16string MessageFor(AddOutcome outcome) {
  switch (outcome) {
    case AddOutcome::Added:
      return {};
    case AddOutcome::SourceFull:
      // Each sentence on a line of its own, as for a full output list.
      return u"入力ソースに追加できるのは" + Limit() +
             u"件までです。\n追加する行を減らしてください。";
  }
  return {};
}

std::u16string MessageFor(DrawOutcome outcome) {
  switch (outcome) {
    case DrawOutcome::Drawn:
      return {};
    case DrawOutcome::NotEnoughEntries:
      return u"人数が足りません。";
    case DrawOutcome::InvalidCount:
      return u"当選人数には数値を入力してください。";
    case DrawOutcome::OutputFull:
      // Broken after the first sentence, so the box never wraps a lone
      // word onto a line of its own.
      return u"出力が" + Limit() +
             u"件を超えるため抽出できません。\nクリアしてから抽出してください"
             u"。";
  }
  return {};
}

}  // namespace lotwheel::ui
