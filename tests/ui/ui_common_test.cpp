// Tests of what every frontend shares: the control tables, the row text, the
// spoken names, the messages and twips at any DPI.
#include <gtest/gtest.h>

#include <string>

#include "ui/announcements.h"
#include "ui/messages.h"
#include "ui/row_text.h"
#include "ui/window_layout.h"

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

TEST(WindowLayoutTest, SpokenNamesLoseTheAccessKeyDecoration) {
  const std::pair<const char*, std::u16string> main_names[] = {
      {"lstMoto", u"入力ソース"},
      {"lstAto", u"出力"},
      {"txtAdd", u"入力ソースへ追加"},
      {"cmdAdd", u"追加"},
      {"txtHowWho", u"当選人数"},
      {"cmdVerInfo", u"バージョン情報"},
      {"cmdCopy", u"クリップボードへコピー"}};
  for (const auto& [name, spoken] : main_names)
    EXPECT_EQ(MainWindowLayout().Control(name).spoken_name, spoken) << name;
  EXPECT_EQ(VerInfoWindowLayout().Control("cmdOK").spoken_name, u"OK");
  EXPECT_EQ(VerInfoWindowLayout().Control("Image3").spoken_name,
            VerInfoWindowLayout().Control("Image3").tooltip);
}

TEST(WindowLayoutTest, FocusOrderSkipsLabelsFramesAndPictures) {
  EXPECT_EQ(MainWindowLayout().FocusOrder(),
            (std::vector<std::string>{"lstMoto", "lstAto", "txtAdd", "cmdAdd",
                                      "cmdBuild", "cmdClear", "cmdCopy",
                                      "txtHowWho", "cmdVerInfo"}));
  EXPECT_EQ(VerInfoWindowLayout().FocusOrder(),
            (std::vector<std::string>{"Text1", "cmdOK"}));
}

TEST(WindowLayoutTest, VersionWindowTexts) {
  const WindowLayout& layout = VerInfoWindowLayout();
  EXPECT_EQ(layout.Control("lblVerinfo").caption, u"Version:1.03.0005");
  EXPECT_EQ(layout.Control("Image3").tooltip,
            u"Lotus Lane Soft(Soft Harbor)にアクセスします。");
  EXPECT_EQ(layout.title,
            u"Z.Q Lotwheel for Tournament Basic Version Infomation");
}

TEST(AnnouncementsTest, CountsFirstDrawnEntryAndListNames) {
  EXPECT_EQ(CountText(0), u"0件");
  EXPECT_EQ(CountText(32767), u"32767件");
  EXPECT_EQ(DrawnText(3, u"青木"), u"3件、今回の1件目: 青木");
  EXPECT_EQ(DrawnText(1, u""), u"1件、今回の1件目: （空の行）");
  // The entry is read as its row shows it: on one line, never 20 MB long.
  EXPECT_EQ(DrawnText(1, u"a\rb"), u"1件、今回の1件目: a␍b");
  EXPECT_EQ(DrawnText(1, std::u16string(20'000'000, u'x')).size(),
            DrawnText(1, u"").size() - 5 + kRowTextLimit + 1);
  EXPECT_EQ(Announcement({{"lstMoto", u"7件"}, {"lstAto", u"3件"}}),
            u"入力ソース 7件、出力 3件");
}

TEST(AnnouncementsTest, ReportsNameTheFirstFiveDrawnAndCountTheRest) {
  EXPECT_EQ(AddedReport(3, 7), u"3件を追加しました。入力ソースは7件です。");
  EXPECT_EQ(DrawnReport({}, 4),
            u"0件を抽出しました。入力ソースの残りは4件です。");
  EXPECT_EQ(DrawnReport({u"a\rb", u""}, 0),
            u"2件を抽出しました: a␍b、（空の行）。入力ソースの残りは0件です。");
  EXPECT_EQ(DrawnReport({u"1", u"2", u"3", u"4", u"5"}, 1),
            u"5件を抽出しました: 1、2、3、4、5。入力ソースの残りは1件です。");
  EXPECT_EQ(DrawnReport({u"1", u"2", u"3", u"4", u"5", u"6", u"7"}, 0),
            u"7件を抽出しました: 1、2、3、4、5 ほか2件。"
            u"入力ソースの残りは0件です。");
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
