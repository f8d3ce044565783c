// Tests of what every frontend shares: the control tables, the row text, the
// spoken names, the messages and twips at any DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <utility>

#include "tests/ui/keyboard_tables.h"
#include "ui/control_table.h"
#include "ui/messages.h"
#include "ui/row_text.h"

namespace lotwheel::ui {
namespace {

TEST(TwipsTest, PixelsAtEachDpiRoundToTheNearest) {
  struct Case {
    int twips, dpi, pixels;
  };
  const Case cases[] = {{5400, 96, 360},  {6615, 96, 441},  {5332, 96, 355},
                        {5400, 144, 540}, {5332, 144, 533}, {7, 96, 0},
                        {8, 96, 1},       {105, 120, 9},    {-8, 96, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(PixelsFromTwips(c.twips, c.dpi), c.pixels)
        << c.twips << " twips at " << c.dpi;
}

TEST(RowTextTest, ShowsEveryEntryOnOneShortLine) {
  const std::u16string long_entry(20'000'000, u'x');
  const std::u16string shown = RowText(long_entry);
  EXPECT_EQ(shown, std::u16string(kRowTextLimit, u'x') + u"…");
  EXPECT_EQ(RowText(u"a\rb\nc"), u"a␍b␊c");
  EXPECT_EQ(RowText(std::u16string(kRowTextLimit, u'y')),
            std::u16string(kRowTextLimit, u'y'));
  // A surrogate pair across the cut is dropped whole, never split.
  std::u16string pair_at_cut(kRowTextLimit - 1, u'z');
  pair_at_cut += u"\U0001F3B2tail";
  EXPECT_EQ(RowText(pair_at_cut),
            std::u16string(kRowTextLimit - 1, u'z') + u"…");
}

TEST(ControlTableTest, SpokenCaptionsLoseTheAccessKeyDecoration) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"入力ソース(&I)：", u"入力ソース"},
      {u"出力(O)：", u"出力"},
      {u"バージョン情報(&V)...", u"バージョン情報"},
      {u"OK(&O)", u"OK"},
      {u"a(&b):", u"a"},
      {u"(1)", u"(1)"},
      {u"&", u""}};
  for (const auto& [caption, spoken] : cases)
    EXPECT_EQ(SpokenCaption(caption), spoken);
  // Every control a screen reader can land on or follow has a name.
  for (const ControlTable* table : {&MainWindowTable(), &VerInfoWindowTable()})
    for (const ControlInfo& info : table->controls) {
      const bool reached =
          TakesFocus(info.kind) || info.kind == ControlKind::kPicture;
      EXPECT_TRUE(!reached || !info.spoken_name.empty()) << info.name;
    }
}

// Each access key in a table's captions has its row in the keyboard tables
// that the window tests walk, and that row says what the table makes of it.
TEST(ControlTableTest, EveryAccessKeyHasItsRowInTheKeyboardTables) {
  const auto check = [](const ControlTable& table,
                        std::span<const AccessKey> keys) {
    std::u16string letters;
    for (const ControlInfo& info : table.controls) {
      const size_t amp = info.caption.find(u'&');
      if (amp == std::u16string::npos || amp + 1 >= info.caption.size())
        continue;
      const char16_t letter = info.caption[amp + 1];
      letters += letter;
      const auto row = std::ranges::find_if(
          keys, [&](const AccessKey& key) { return key.letter == letter; });
      if (row == keys.end()) {
        ADD_FAILURE() << table.name << ": Alt+" << char(letter) << " of "
                      << info.name << " has no row in keyboard_tables.h";
        continue;
      }
      const bool button = info.kind == ControlKind::kButton;
      EXPECT_EQ(row->effect, button ? KeyEffect::kPress : KeyEffect::kFocus)
          << "Alt+" << row->letter;
      EXPECT_EQ(row->control, button ? info.id : table.BuddyOf(info.id))
          << "Alt+" << row->letter;
    }
    for (const AccessKey& key : keys)
      EXPECT_EQ(letters.find(char16_t(key.letter)) == std::u16string::npos,
                key.effect == KeyEffect::kNothing)
          << table.name << ": Alt+" << key.letter;
  };
  check(MainWindowTable(), kMainAccessKeys);
  check(VerInfoWindowTable(), kVerInfoAccessKeys);
}

TEST(MessagesTest, EveryRefusalHasItsOwnMessageAndSuccessNone) {
  EXPECT_TRUE(MessageFor(DrawOutcome::Drawn).empty());
  EXPECT_TRUE(MessageFor(AddOutcome::Added).empty());
  const std::u16string refusals[] = {MessageFor(DrawOutcome::NotEnoughEntries),
                                     MessageFor(DrawOutcome::InvalidCount),
                                     MessageFor(DrawOutcome::OutputFull),
                                     MessageFor(AddOutcome::SourceFull),
                                     std::u16string(kOutOfMemoryMessage),
                                     std::u16string(kClipboardFailedMessage)};
  for (const std::u16string& message : refusals) {
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(std::ranges::count(refusals, message), 1);
  }
}

}  // namespace
}  // namespace lotwheel::ui
