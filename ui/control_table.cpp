// The two windows' control tables.
#include "ui/control_table.h"

#include <cstdlib>

#include "ui/texts.h"

namespace lotwheel::ui {
namespace {

using K = ControlKind;

// Whether a row names controls of the window whose enum `Id` is alone.
template <typename Id>
bool OfOneWindow(const ControlInfo& info) {
  for (const std::optional<ControlId>& id :
       {std::optional(info.id), info.parent, info.named_by}) {
    if (id && !id->As<Id>()) return false;
  }
  return true;
}

// Checks that every control belongs to the window and can be built in row
// order, and gives every row the name a screen reader says for it. A table
// that breaks either is a programming error, caught at any start.
template <typename Id>
ControlTable Finished(ControlTable table) {
  for (size_t row = 0; row < table.controls.size(); ++row) {
    const ControlInfo& info = table.controls[row];
    if (!OfOneWindow<Id>(info)) std::abort();
    for (size_t earlier = 0; earlier < row; ++earlier) {
      if (table.controls[earlier].id == info.id) std::abort();
    }
    if (info.parent &&
        !(table.Has(*info.parent) && &table.Row(*info.parent) < &info &&
          table.Row(*info.parent).kind == K::kFrame))
      std::abort();
  }
  for (ControlInfo& info : table.controls) {
    if (!info.spoken_name.empty()) continue;
    if (info.named_by) {
      info.spoken_name = SpokenCaption(table.Row(*info.named_by).caption);
    } else if (info.kind == K::kPicture) {
      info.spoken_name = info.tooltip;
    } else {
      info.spoken_name = SpokenCaption(info.caption);
    }
  }
  return table;
}

ControlTable BuildMainWindow() {
  using Id = MainControl;
  return Finished<Id>(
      {.name = "frmLotwheel",
       .title = std::u16string(kMainTitle),
       .client_width = 5400,
       .client_height = 6615,
       .controls = {
           {.id = Id::lblMoto,
            .name = "lblMoto",
            .kind = K::kLabel,
            .caption = u"入力ソース(&I)：",
            .rect = {105, 105, 2535, 225}},
           {.id = Id::lstMoto,
            .name = "lstMoto",
            .kind = K::kList,
            .rect = {105, 420, 2535, 3660},
            .named_by = Id::lblMoto},
           // "(O)" is plain text: this caption has no access key.
           {.id = Id::lblAto,
            .name = "lblAto",
            .kind = K::kLabel,
            .caption = u"出力(O)：",
            .rect = {2730, 105, 2535, 225}},
           {.id = Id::lstAto,
            .name = "lstAto",
            .kind = K::kList,
            .rect = {2730, 420, 2535, 3660},
            .named_by = Id::lblAto,
            .font = ControlFont::kGothicBold9},
           {.id = Id::fraAdd,
            .name = "fraAdd",
            .kind = K::kFrame,
            .caption = u"入力ソースへ追加",
            .rect = {105, 4200, 5160, 1065}},
           // Wrapped anywhere: looking for word boundaries takes time that
           // grows with the square of a line's length, so a pasted line of a
           // few hundred thousand characters would freeze the window.
           {.id = Id::txtAdd,
            .name = "txtAdd",
            .kind = K::kTextArea,
            .rect = {105, 210, 4110, 750},
            .parent = Id::fraAdd,
            .named_by = Id::fraAdd,
            .wrap = TextWrap::kAnywhere},
           {.id = Id::cmdAdd,
            .name = "cmdAdd",
            .kind = K::kButton,
            .caption = u"追加(&A)",
            .rect = {4305, 210, 750, 750},
            .parent = Id::fraAdd},
           {.id = Id::cmdBuild,
            .name = "cmdBuild",
            .kind = K::kButton,
            .caption = u"ランダム抽出開始(&S)",
            .rect = {2625, 5355, 2640, 330}},
           {.id = Id::cmdClear,
            .name = "cmdClear",
            .kind = K::kButton,
            .caption = u"クリア(&C)",
            .rect = {2625, 6195, 2640, 330}},
           {.id = Id::cmdCopy,
            .name = "cmdCopy",
            .kind = K::kButton,
            .caption = u"クリップボードへコピー(&P)",
            .rect = {2625, 5775, 2640, 330}},
           // The label's box reaches 15 twips into the count box.
           {.id = Id::lblTousen,
            .name = "lblTousen",
            .kind = K::kLabel,
            .caption = u"当選人数(&T)：",
            .rect = {105, 5355, 1170, 225}},
           {.id = Id::txtHowWho,
            .name = "txtHowWho",
            .kind = K::kLineEdit,
            .caption = u"0",
            .rect = {1260, 5332, 435, 270},
            .tooltip =
                u"何名まで当選か決めます。0にすると常に最大値が設定されます。",
            .named_by = Id::lblTousen},
           {.id = Id::cmdVerInfo,
            .name = "cmdVerInfo",
            .kind = K::kButton,
            .caption = u"バージョン情報(&V)...",
            .rect = {105, 6195, 2430, 330}},
       }});
}

ControlTable BuildVerInfoWindow() {
  using Id = VerInfoControl;
  return Finished<Id>(
      {.name = "frmVerInfo",
       .title = std::u16string(kVerInfoTitle),
       .client_width = 6210,
       .client_height = 2700,
       .controls = {
           {.id = Id::Image1,
            .name = "Image1",
            .kind = K::kPicture,
            .rect = {105, 105, 480, 480},
            .spoken_name = u"アイコン",
            .art = Art::kAppIcon},
           // One line: where its face runs wider than its place, it is cut
           // at the right edge rather than losing its last word to a second
           // line that has no room to show.
           {.id = Id::Label1,
            .name = "Label1",
            .kind = K::kLabel,
            .caption = std::u16string(kProductName),
            .rect = {630, 180, 5475, 330},
            .font = ControlFont::kGothicBoldItalic15Point75,
            .wrap = TextWrap::kNone},
           // Flush with the right edge it shares with the name above it and
           // the credits below; its text is replaced before it is shown.
           {.id = Id::lblVerinfo,
            .name = "lblVerinfo",
            .kind = K::kLabel,
            .caption = u"Version 0.00.0000",
            .rect = {3570, 580, 2535, 225},
            .align = TextAlign::kRight},
           {.id = Id::Text1,
            .name = "Text1",
            .kind = K::kTextArea,
            .caption = std::u16string(kCreditsText),
            .rect = {105, 840, 6000, 1065},
            .spoken_name = u"クレジット",
            .enter = EnterKey::kPressDefault},
           {.id = Id::Image2,
            .name = "Image2",
            .kind = K::kPicture,
            .rect = {105, 2025, 2400, 570},
            .tooltip = u"Z.Q HomePageへアクセスします。",
            .art = Art::kGroupBanner,
            .link = kGroupHomePage},
           {.id = Id::Image3,
            .name = "Image3",
            .kind = K::kPicture,
            .rect = {2715, 2010, 1800, 600},
            .tooltip = std::u16string(kLabelName) + u"(" +
                       std::u16string(kAuthorSiteName) + u")にアクセスします。",
            .art = Art::kLabelBanner,
            .link = kAuthorPage},
           {.id = Id::cmdOK,
            .name = "cmdOK",
            .kind = K::kButton,
            .caption = u"OK(&O)",
            .rect = {4725, 2145, 1380, 330},
            .default_button = true},
       }});
}

}  // namespace

const ControlInfo& ControlTable::Row(ControlId id) const {
  for (const ControlInfo& info : controls) {
    if (info.id == id) return info;
  }
  std::abort();
}

bool ControlTable::Has(ControlId id) const {
  for (const ControlInfo& info : controls) {
    if (info.id == id) return true;
  }
  return false;
}

std::vector<ControlId> ControlTable::FocusOrder() const {
  std::vector<ControlId> ids;
  for (const ControlInfo& info : controls) {
    if (TakesFocus(info.kind)) ids.push_back(info.id);
  }
  return ids;
}

std::optional<ControlId> ControlTable::BuddyOf(ControlId label) const {
  const ControlInfo* after = &Row(label);
  for (const ControlInfo& info : controls) {
    if (&info > after && TakesFocus(info.kind)) return info.id;
  }
  return std::nullopt;
}

const ControlTable& MainWindowTable() {
  static const ControlTable table = BuildMainWindow();
  return table;
}

const ControlTable& VerInfoWindowTable() {
  static const ControlTable table = BuildVerInfoWindow();
  return table;
}

bool TakesFocus(ControlKind kind) {
  return kind == K::kList || kind == K::kLineEdit || kind == K::kTextArea ||
         kind == K::kButton;
}

bool HasAccessKey(std::u16string_view caption) {
  return caption.find(u'&') != std::u16string_view::npos;
}

std::u16string SpokenCaption(std::u16string_view caption) {
  std::u16string text;
  for (char16_t ch : caption) {
    if (ch != u'&') text += ch;
  }
  for (std::u16string_view tail : {u"...", u"：", u":"}) {
    if (text.size() >= tail.size() &&
        std::u16string_view(text).substr(text.size() - tail.size()) == tail)
      text.resize(text.size() - tail.size());
  }
  // An access-key letter in brackets at the end, "(I)", is decoration.
  const size_t n = text.size();
  if (n >= 3 && text[n - 3] == u'(' && text[n - 1] == u')' &&
      ((text[n - 2] >= u'A' && text[n - 2] <= u'Z') ||
       (text[n - 2] >= u'a' && text[n - 2] <= u'z')))
    text.resize(n - 3);
  return text;
}

}  // namespace lotwheel::ui
