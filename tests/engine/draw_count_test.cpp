// How Draw reads the count text, and what each reading does to the lists.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/count_reader.h"
#include "engine/draw_session.h"
#include "tests/engine/scripted_random_source.h"

namespace lotwheel {
namespace {

constexpr int kUnchanged = -1;

struct CountCase {
  std::u16string text;
  DrawOutcome outcome;
  int moved;  // entries moved out of five; kUnchanged when refused
};

// Five entries A..E and a generator that picks the first survivor.
void ExpectDraw(const CountCase& c) {
  auto random = std::make_unique<ScriptedRandomSource>(0.0f);
  ScriptedRandomSource* fake = random.get();
  DrawSession s(std::move(random));
  s.AddLines(u"A\r\nB\r\nC\r\nD\r\nE");
  std::string label(c.text.begin(), c.text.end());  // for the message only
  EXPECT_EQ(s.Draw(c.text), c.outcome) << label;
  const bool drawn = c.outcome == DrawOutcome::Drawn;
  EXPECT_EQ(fake->reseeds(), drawn ? 1 : 0) << label;
  EXPECT_EQ(s.OutputCount(), drawn ? c.moved : 0) << label;
  EXPECT_EQ(s.SourceCount() + s.OutputCount(), 5) << label;
}

TEST(DrawCountTest, NumbersAreFlooredAndZeroMeansAll) {
  const CountCase kCases[] = {
      {u"0", DrawOutcome::Drawn, 5},
      {u"3", DrawOutcome::Drawn, 3},
      {u"5", DrawOutcome::Drawn, 5},
      {u"2.9", DrawOutcome::Drawn, 2},
      {u"0.5", DrawOutcome::Drawn, 5},
      {u"-0", DrawOutcome::Drawn, 5},
      {u"-0.5", DrawOutcome::Drawn, 0},
      {u"-3", DrawOutcome::Drawn, 0},
      {u"-32768", DrawOutcome::Drawn, 0},
      {u"-99999999999", DrawOutcome::Drawn, 0},
      {u"6", DrawOutcome::NotEnoughEntries, kUnchanged},
      {u"5.0001", DrawOutcome::Drawn, 5},
      {u"100000", DrawOutcome::NotEnoughEntries, kUnchanged},
      {u"65539", DrawOutcome::NotEnoughEntries, kUnchanged},
      {u"4294967299", DrawOutcome::NotEnoughEntries, kUnchanged},
      {u"1e400", DrawOutcome::NotEnoughEntries, kUnchanged},
      {u"-1e400", DrawOutcome::Drawn, 0},
      {u"1e-400", DrawOutcome::Drawn, 5},
      {u"-1e-400", DrawOutcome::Drawn, 5},
      {u"-1e-310", DrawOutcome::Drawn, 0},  // tiny, but still below zero
      {u"1e99999999999999999999", DrawOutcome::NotEnoughEntries, kUnchanged},
      {u"0.00000000000000000001e20", DrawOutcome::Drawn, 1},
  };
  for (const auto& c : kCases) ExpectDraw(c);
}

TEST(DrawCountTest, AcceptsBlanksSignsExponentsAndFullWidthForms) {
  const CountCase kCases[] = {
      {u" 3 ", DrawOutcome::Drawn, 3},
      {u"\t3\u3000", DrawOutcome::Drawn, 3},
      {u"+3", DrawOutcome::Drawn, 3},
      {u"3.", DrawOutcome::Drawn, 3},
      {u".5e1", DrawOutcome::Drawn, 5},
      {u"2E0", DrawOutcome::Drawn, 2},
      {u"30e-1", DrawOutcome::Drawn, 3},
      {u"0.2e+1", DrawOutcome::Drawn, 2},
      {u"0004", DrawOutcome::Drawn, 4},
      {u"３", DrawOutcome::Drawn, 3},
      {u"２．９", DrawOutcome::Drawn, 2},
      {u"＋２", DrawOutcome::Drawn, 2},
      {u"－１", DrawOutcome::Drawn, 0},
      {u"１ｅ０", DrawOutcome::Drawn, 1},
      {u"４Ｅ－０", DrawOutcome::Drawn, 4},
      {u"\u3000１.5 ", DrawOutcome::Drawn, 1},
  };
  for (const auto& c : kCases) ExpectDraw(c);
}

TEST(DrawCountTest, AnythingElseIsRefusedWithoutReseeding) {
  for (const std::u16string text :
       {u"",       u" ",     u"\u3000\t", u"abc",     u"3abc",  u"inf",
        u"-inf",   u"nan",   u"infinity", u"0x3",     u"1,000", u"3 4",
        u"--1",    u"+-1",   u"- 1",      u".",       u"-.",    u"e3",
        u"3e",     u"3e+",   u"1e3.5",    u"3\u00a0", u"3\r\n", u"\u0663",
        u"１，０", u"\xD800"}) {
    ExpectDraw({text, DrawOutcome::InvalidCount, kUnchanged});
  }
  ExpectDraw(
      {std::u16string{u'3', u'\0'}, DrawOutcome::InvalidCount, kUnchanged});
}

TEST(DrawCountTest, EmptySourceDrawsNothingAtZeroAndRefusesOne) {
  auto random = std::make_unique<ScriptedRandomSource>(0.0f);
  ScriptedRandomSource* fake = random.get();
  DrawSession s(std::move(random));
  EXPECT_EQ(s.Draw(u"0"), DrawOutcome::Drawn);
  EXPECT_EQ(s.Draw(u"1"), DrawOutcome::NotEnoughEntries);
  EXPECT_EQ(fake->reseeds(), 1);
  EXPECT_EQ(fake->nexts(), 0);
}

TEST(CountReaderTest, ReadsTheValueItself) {
  EXPECT_EQ(CountReader::Read(u"12.25"), 12.25);
  EXPECT_EQ(CountReader::Read(u"-１２．２５ｅ１"), -122.5);
  EXPECT_EQ(CountReader::Read(u"1e400"), HUGE_VAL);
  EXPECT_EQ(CountReader::Read(u"-1e400"), -HUGE_VAL);
  EXPECT_TRUE(std::signbit(*CountReader::Read(u"-0")));
}

}  // namespace
}  // namespace lotwheel
