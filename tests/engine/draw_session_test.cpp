// Entry lists, their limits, the count text, the draw and the export.
#include "engine/draw_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tests/engine/scripted_session.h"

namespace lotwheel {
namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

std::u16string EmptyLines(int n) {  // n - 1 line breaks
  std::u16string text;
  for (int i = 1; i < n; ++i) text += u"\r\n";
  return text;
}

TEST(AddLinesTest, CutsOnlyAtCrLfAndStoresPiecesUnchanged) {
  const std::pair<std::u16string, Entries> kCases[] = {
      {u"", {}},
      {u"A", {u"A"}},
      {u"A\r\nB\r\nC", {u"A", u"B", u"C"}},
      {u"A\r\nB\r\n", {u"A", u"B", u""}},
      {u"\r\n", {u"", u""}},
      {u"A\r\n\r\nB", {u"A", u"", u"B"}},
      {u"A\nB", {u"A\nB"}},
      {u"A\r", {u"A\r"}},
      {u"A\r\r\nB", {u"A\r", u"B"}},
      {u"\n\r", {u"\n\r"}},
      {u" A \t\r\n\u3000B", {u" A \t", u"\u3000B"}},
      {u"Q\r\nQ", {u"Q", u"Q"}},  // repeats, of each other and of the list
      {u"\xD800\r\n\xDC00z", {u"\xD800", u"\xDC00z"}},
  };
  // One session for all: entries already in both lists stay where they are.
  ScriptedSession f;
  f.session.AddLines(u"P\r\nQ");
  ASSERT_EQ(f.session.Draw(u"1"), DrawOutcome::Drawn);
  Entries expected{u"Q"};
  for (const auto& [text, added] : kCases) {
    EXPECT_EQ(f.session.AddLines(text), AddOutcome::Added);
    expected.insert(expected.end(), added.begin(), added.end());
    ASSERT_EQ(f.Source(), expected) << testing::PrintToString(text);
  }
  EXPECT_EQ(f.Output(), Entries{u"P"});
}

TEST(AddLinesTest, CutsAtACrLfWhereverItFallsInALongText) {
  // Long texts are copied a block at a time: a CR LF may fall anywhere in a
  // block or across two, and a lone CR or LF beside it must stay.
  for (const std::u16string lone : {u"", u"\r", u"\n"}) {
    for (size_t at = 0; at < 20; ++at) {
      const std::u16string head = std::u16string(at, u'a') + lone;
      const std::u16string tail = lone + std::u16string(20 - at, u'b');
      ScriptedSession f;
      f.session.AddLines(head + u"\r\n" + tail + u"\r\n" + head);
      EXPECT_EQ(f.Source(), (Entries{head, tail, head}))
          << testing::PrintToString(lone) << " at " << at;
    }
  }
}

TEST(ReserveTest, ChangesNoListAndAddingAfterItGivesTheSameLists) {
  // Room for too few pieces, for enough, and for more than a list takes.
  for (const size_t pieces : {size_t{1}, size_t{5}, size_t{100000}}) {
    ScriptedSession plain, reserved;
    for (ScriptedSession* f : {&plain, &reserved}) {
      f->session.AddLines(u"P\r\nQ");
      f->session.Draw(u"1");
    }
    reserved.session.Reserve(8 * pieces, pieces);
    EXPECT_EQ(reserved.Source(), plain.Source()) << pieces;
    for (const std::u16string part :
         {u"a long entrant name\r\n\r\nthird", u"x", u"\xD83D\xDE00\r\nz"}) {
      for (ScriptedSession* f : {&plain, &reserved}) f->session.AddLines(part);
    }
    EXPECT_EQ(reserved.Source(), plain.Source()) << pieces;
    EXPECT_EQ(reserved.Output(), plain.Output()) << pieces;
  }
}

TEST(LimitTest, EachListHoldsAtMost32767AndRefusalsChangeNothing) {
  ScriptedSession f;
  DrawSession& s = f.session;
  EXPECT_EQ(s.AddLines(EmptyLines(kMaxEntries + 1)), AddOutcome::SourceFull);
  EXPECT_EQ(s.SourceCount(), 0);
  EXPECT_EQ(s.AddLines(EmptyLines(kMaxEntries - 1)), AddOutcome::Added);
  EXPECT_EQ(s.AddLines(u"a\r\nb"), AddOutcome::SourceFull);
  EXPECT_EQ(s.SourceCount(), kMaxEntries - 1);
  EXPECT_EQ(s.AddLines(u"last"), AddOutcome::Added);
  EXPECT_EQ(s.SourceAt(kMaxEntries - 1), u"last");
  EXPECT_EQ(s.AddLines(u"x"), AddOutcome::SourceFull);
  EXPECT_EQ(s.AddLines(u""), AddOutcome::Added);  // adds nothing, fits
  EXPECT_EQ(s.SourceCount(), kMaxEntries);
  ASSERT_EQ(s.Draw(u"0"), DrawOutcome::Drawn);  // fills the output
  s.AddLines(u"A\r\nB");
  EXPECT_EQ(s.Draw(u"1"), DrawOutcome::OutputFull);
  EXPECT_EQ(s.Draw(u"0"), DrawOutcome::OutputFull);
  EXPECT_EQ(s.Draw(u"3"), DrawOutcome::NotEnoughEntries);  // checked first
  EXPECT_EQ(s.Draw(u"x"), DrawOutcome::InvalidCount);
  EXPECT_EQ(f.random->reseeds, 1);
  EXPECT_EQ(f.Source(), (Entries{u"A", u"B"}));
  EXPECT_EQ(s.OutputCount(), kMaxEntries);
  EXPECT_EQ(s.Draw(u"-1"), DrawOutcome::Drawn);  // moves nothing: fits
}

TEST(DrawTest, ReadsTheCountFloorsItAndComparesWithoutNarrowing) {
  using namespace std::string_literals;
  constexpr int kTooMany = -1, kInvalid = -2;  // the two refusals
  // Count texts grouped by how many of five entries they move.
  const std::pair<int, std::vector<std::u16string>> kCases[] = {
      // 0, and anything that floors to it, means all.
      {5,
       {u"0", u"5", u"0.5", u"-0", u"5.0001", u"1e-400", u"-1e-400", u".5e1"}},
      {4, {u"0004", u"４Ｅ－０"}},
      {3, {u"3", u" 3 ", u"\t3\u3000", u"+3", u"3.", u"30e-1", u"３"}},
      {2, {u"2.9", u"2E0", u"0.2e+1", u"２．９", u"＋２", u"０．２５Ｅ＋１"}},
      {1, {u"0.00000000000000000001e20", u"１ｅ０", u"\u3000１.5 "}},
      // Below zero after flooring moves nothing.
      {0,
       {u"-0.5", u"-3", u"-32768", u"-99999999999", u"-1e400", u"-1e-310",
        u"－１"}},
      {kTooMany,
       {u"6", u"65539", u"100000", u"4294967299", u"1e400",
        u"1e99999999999999999999"}},
      {kInvalid,
       {u"",       u" ",      u"\u3000\t", u"abc",     u"3abc",  u"inf",
        u"-inf",   u"nan",    u"infinity", u"0x3",     u"1,000", u"3 4",
        u"--1",    u"+-1",    u"- 1",      u".",       u"-.",    u"e3",
        u"3e",     u"3e+",    u"1e3.5",    u"3\u00a0", u"3\r\n", u"\u0663",
        u"１，０", u"\xD800", u"3\0"s}},
  };
  for (const auto& [moved, texts] : kCases) {
    const DrawOutcome outcome = moved == kTooMany
                                    ? DrawOutcome::NotEnoughEntries
                                : moved == kInvalid ? DrawOutcome::InvalidCount
                                                    : DrawOutcome::Drawn;
    for (const auto& text : texts) {
      SCOPED_TRACE(testing::PrintToString(text));
      ScriptedSession f;
      f.session.AddLines(u"A\r\nB\r\nC\r\nD\r\nE");
      EXPECT_EQ(f.session.Draw(text), outcome);
      // Only a count that is read and fits reseeds or moves anything.
      EXPECT_EQ(f.random->reseeds, moved >= 0 ? 1 : 0);
      EXPECT_EQ(f.session.OutputCount(), std::max(moved, 0));
      EXPECT_EQ(f.session.SourceCount() + f.session.OutputCount(), 5);
    }
  }
}

TEST(DrawTest, PicksFollowTheGeneratorAndStayInsideTheList) {
  const Entries kForward{u"A", u"B", u"C", u"D", u"E"};
  const Entries kReverse(kForward.rbegin(), kForward.rend());
  // A generator outside its promised range must still pick inside the list.
  for (float r : {0.0f, kLargestBelowOne, 1.0f, 2.5f, -0.5f, NAN, INFINITY}) {
    ScriptedSession f(r);
    f.session.AddLines(u"A\r\nB\r\nC\r\nD\r\nE");
    EXPECT_EQ(f.session.Draw(u"0"), DrawOutcome::Drawn) << r;
    Entries drawn = f.Output();
    if (r == 0.0f) {
      EXPECT_EQ(drawn, kForward);
    }
    if (r == kLargestBelowOne) {
      EXPECT_EQ(drawn, kReverse);
    }
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, kForward) << r;
  }
}

// Records what the engine does to the clipboard, in order, and takes the
// text or refuses it as told.
struct RecordingClipboard final : Clipboard {
  bool ReplaceText(std::u16string_view text) override {
    calls.push_back(u"<clear>");
    calls.emplace_back(text);
    return takes_text;
  }
  Entries calls;
  bool takes_text = true;
};

TEST(DrawTest, DrawsAccumulateInTheExportUntilClearedToNothing) {
  ScriptedSession f(kLargestBelowOne);  // always the last survivor
  DrawSession& s = f.session;
  s.AddLines(u"A\r\nB\r\n\r\nx\ry\nz\r\nA");
  ASSERT_EQ(s.Draw(u"2"), DrawOutcome::Drawn);
  ASSERT_EQ(s.Draw(u"1"), DrawOutcome::Drawn);
  // Every entry, the empty one too, followed by CR LF, earliest first.
  const std::u16string text = u"A\r\nx\ry\nz\r\n\r\n";
  EXPECT_EQ(s.ExportText(), text);
  RecordingClipboard clipboard;
  EXPECT_TRUE(s.CopyOutput(clipboard));
  clipboard.takes_text = false;  // a refusal is reported, the lists stay
  EXPECT_FALSE(s.CopyOutput(clipboard));
  EXPECT_EQ(clipboard.calls, (Entries{u"<clear>", text, u"<clear>", text}));
  EXPECT_EQ(f.Output(), (Entries{u"A", u"x\ry\nz", u""}));
  EXPECT_EQ(f.Source(), (Entries{u"A", u"B"}));
  s.ClearLists();
  EXPECT_EQ(s.SourceCount() + s.OutputCount(), 0);
  EXPECT_EQ(s.ExportText(), u"");
  EXPECT_EQ(s.Draw(u"0"), DrawOutcome::Drawn);  // all of nothing
  EXPECT_EQ(s.Draw(u"1"), DrawOutcome::NotEnoughEntries);
  EXPECT_EQ(f.random->reseeds, 3);
  EXPECT_EQ(f.random->nexts, 3);
}

}  // namespace
}  // namespace lotwheel
