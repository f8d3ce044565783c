// The two windows' control tables.
#include "ui/window_layout.h"

#include <algorithm>
#include <cstdlib>

namespace lotwheel::ui {
namespace {

using K = ControlKind;

ControlInfo Make(std::string name, ControlKind kind, std::u16string caption,
                 TwipsRect rect, int tab_index) {
  ControlInfo info;
  info.name = std::move(name);
  info.kind = kind;
  info.caption = std::move(caption);
  info.rect = rect;
  info.tab_index = tab_index;
  info.spoken_name = SpokenCaption(info.caption);
  return info;
}

// A box or list is named by the label or frame before it.
void NamedBy(ControlInfo& control, const ControlInfo& label) {
  control.spoken_name = label.spoken_name;
}

WindowLayout BuildMainWindow() {
  WindowLayout w{"frmLotwheel", std::u16string(kMainTitle), 5400, 6615, {}};
  auto& c = w.controls;
  c.push_back(Make("lblMoto", K::kLabel, u"入力ソース(&I)：",
                   {105, 105, 2535, 225}, 0));
  c.push_back(Make("lstMoto", K::kList, u"", {105, 420, 2535, 3660}, 1));
  NamedBy(c[1], c[0]);
  // "(O)" is plain text: this caption has no access key.
  c.push_back(
      Make("lblAto", K::kLabel, u"出力(O)：", {2730, 105, 2535, 225}, 2));
  c.push_back(Make("lstAto", K::kList, u"", {2730, 420, 2535, 3660}, 3));
  NamedBy(c[3], c[2]);
  c[3].font = ControlFont::kGothicBold9;
  c.push_back(Make("fraAdd", K::kFrame, u"入力ソースへ追加",
                   {105, 4200, 5160, 1065}, 4));
  c.push_back(Make("txtAdd", K::kTextArea, u"", {105, 210, 4110, 750}, 5));
  NamedBy(c[5], c[4]);
  c.push_back(
      Make("cmdAdd", K::kButton, u"追加(&A)", {4305, 210, 750, 750}, 6));
  c[5].parent = c[6].parent = "fraAdd";
  c.push_back(Make("cmdBuild", K::kButton, u"ランダム抽出開始(&S)",
                   {2625, 5355, 2640, 330}, 7));
  c.push_back(
      Make("cmdClear", K::kButton, u"クリア(&C)", {2625, 6195, 2640, 330}, 8));
  c.push_back(Make("cmdCopy", K::kButton, u"クリップボードへコピー(&P)",
                   {2625, 5775, 2640, 330}, 9));
  // The label's box reaches 15 twips into the count box.
  c.push_back(Make("lblTousen", K::kLabel, u"当選人数(&T)：",
                   {105, 5355, 1170, 225}, 10));
  c.push_back(
      Make("txtHowWho", K::kLineEdit, u"0", {1260, 5332, 435, 270}, 11));
  NamedBy(c[11], c[10]);
  c[11].tooltip =
      u"何名まで当選か決めます。0にすると常に最大値が設定されます。";
  c.push_back(Make("cmdVerInfo", K::kButton, u"バージョン情報(&V)...",
                   {105, 6195, 2430, 330}, 12));
  return w;
}

ControlInfo Banner(std::string name, TwipsRect rect, Art art,
                   std::u16string tooltip, std::string link) {
  ControlInfo info = Make(std::move(name), K::kPicture, u"", rect, -1);
  info.art = art;
  info.tooltip = std::move(tooltip);
  info.spoken_name = info.tooltip;
  info.link = std::move(link);
  return info;
}

WindowLayout BuildVerInfoWindow() {
  WindowLayout w{"frmVerInfo", std::u16string(kVerInfoTitle), 6210, 2700, {}};
  auto& c = w.controls;
  c.push_back(Make("Image1", K::kPicture, u"", {105, 105, 480, 480}, -1));
  c.back().art = Art::kAppIcon;
  c.back().spoken_name = u"アイコン";
  c.push_back(Make("Label1", K::kLabel, std::u16string(kProductName),
                   {630, 180, 5475, 330}, 0));
  c.back().font = ControlFont::kGothicBoldItalic15Point75;
  // Its text is the version line, set each time the window is built.
  c.push_back(
      Make("lblVerinfo", K::kLabel, VersionLine(), {3570, 580, 2535, 225}, 1));
  c.push_back(Make("Text1", K::kTextArea, std::u16string(kCreditsText),
                   {105, 840, 6000, 1065}, 2));
  c.back().spoken_name = u"クレジット";
  c.push_back(Banner("Image2", {105, 2025, 2400, 570}, Art::kGroupBanner,
                     u"Z.Q HomePageへアクセスします。", kGroupHomePage));
  c.push_back(Banner("Image3", {2715, 2010, 1800, 600}, Art::kLabelBanner,
                     std::u16string(kLabelName) + u"(" +
                         std::u16string(kAuthorSiteName) +
                         u")にアクセスします。",
                     kAuthorPage));
  c.push_back(Make("cmdOK", K::kButton, u"OK(&O)", {4725, 2145, 1380, 330}, 3));
  return w;
}

bool TakesFocus(ControlKind kind) {
  return kind == K::kList || kind == K::kLineEdit || kind == K::kTextArea ||
         kind == K::kButton;
}

}  // namespace

const ControlInfo& WindowLayout::Control(std::string_view control_name) const {
  for (const ControlInfo& info : controls) {
    if (info.name == control_name) return info;
  }
  std::abort();
}

std::vector<std::string> WindowLayout::FocusOrder() const {
  std::vector<const ControlInfo*> order;
  for (const ControlInfo& info : controls) {
    if (info.tab_index >= 0 && TakesFocus(info.kind)) order.push_back(&info);
  }
  std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) {
    return a->tab_index < b->tab_index;
  });
  std::vector<std::string> names;
  for (const ControlInfo* info : order) names.push_back(info->name);
  return names;
}

const WindowLayout& MainWindowLayout() {
  static const WindowLayout layout = BuildMainWindow();
  return layout;
}

const WindowLayout& VerInfoWindowLayout() {
  static const WindowLayout layout = BuildVerInfoWindow();
  return layout;
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
