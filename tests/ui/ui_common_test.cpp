// Tests of what every frontend shares: the control tables, the row text, the
// spoken names, the messages and twips at any DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/ui/keyboard_tables.h"
#include "ui/control_table.h"
#include "ui/messages.h"
#include "ui/row_text.h"
#include "ui/texts.h"

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

TEST(ControlTableTest, SpokenNamesLoseTheAccessKeyDecoration) {
  using Id = ControlId;
  const std::pair<Id, std::u16string> main_names[] = {
      {Id::lstMoto, u"入力ソース"},
      {Id::lstAto, u"出力"},
      {Id::txtAdd, u"入力ソースへ追加"},
      {Id::cmdAdd, u"追加"},
      {Id::txtHowWho, u"当選人数"},
      {Id::cmdVerInfo, u"バージョン情報"},
      {Id::cmdCopy, u"クリップボードへコピー"}};
  for (const auto& [id, spoken] : main_names)
    EXPECT_EQ(MainWindowTable().Row(id).spoken_name, spoken)
        << MainWindowTable().Row(id).name;
  EXPECT_EQ(VerInfoWindowTable().Row(Id::cmdOK).spoken_name, u"OK");
  EXPECT_EQ(VerInfoWindowTable().Row(Id::Image3).spoken_name,
            VerInfoWindowTable().Row(Id::Image3).tooltip);
}

TEST(ControlTableTest, FocusOrderSkipsLabelsFramesAndPictures) {
  using Id = ControlId;
  EXPECT_TRUE(
      std::ranges::equal(MainWindowTable().FocusOrder(), kMainTabOrder));
  EXPECT_TRUE(
      std::ranges::equal(VerInfoWindowTable().FocusOrder(), kVerInfoTabOrder));
  EXPECT_EQ(MainWindowTable().BuddyOf(Id::lblTousen), Id::txtHowWho);
  EXPECT_EQ(MainWindowTable().BuddyOf(Id::lblMoto), Id::lstMoto);
}

TEST(ControlTableTest, VersionWindowTexts) {
  const ControlTable& table = VerInfoWindowTable();
  EXPECT_EQ(VersionLine(), u"Version:1.03.0005");
  EXPECT_EQ(table.Row(ControlId::Image3).tooltip,
            u"Lotus Lane Soft(Soft Harbor)にアクセスします。");
  EXPECT_EQ(table.title,
            u"Z.Q Lotwheel for Tournament Basic Version Infomation");
}

TEST(MessagesTest, EveryRefusalHasAMessageAndSuccessNone) {
  EXPECT_TRUE(MessageFor(DrawOutcome::Drawn).empty());
  EXPECT_TRUE(MessageFor(AddOutcome::Added).empty());
  EXPECT_EQ(MessageFor(DrawOutcome::NotEnoughEntries), u"人数が足りません。");
  for (DrawOutcome outcome :
       {DrawOutcome::InvalidCount, DrawOutcome::OutputFull})
    EXPECT_FALSE(MessageFor(outcome).empty());
  EXPECT_FALSE(MessageFor(AddOutcome::SourceFull).empty());
}

}  // namespace
}  // namespace lotwheel::ui
