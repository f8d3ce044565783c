// Which message each outcome of an operation gives.
#include "ui/messages.h"

namespace lotwheel::ui {

std::u16string_view MessageFor(AddOutcome outcome) {
  switch (outcome) {
    case AddOutcome::Added:
      return {};
    case AddOutcome::SourceFull:
      // Each sentence on a line of its own, as for a full output list.
      return u"入力ソースに追加できるのは32,767件までです。\n"
             u"追加する行を減らしてください。";
  }
  return {};
}

std::u16string_view MessageFor(DrawOutcome outcome) {
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
      return u"出力が32,767件を超えるため抽出できません。\n"
             u"クリアしてから抽出してください。";
  }
  return {};
}

}  // namespace lotwheel::ui
