// Entry lists, the draw and the export.
#include "engine/draw_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/engine/scripted_random_source.h"

namespace lotwheel {
namespace {

using Entries = std::vector<std::u16string>;

Entries SourceOf(const DrawSession& s) {
  Entries e;
  for (int16_t i = 0; i < s.SourceCount(); ++i) e.push_back(s.SourceAt(i));
  return e;
}

Entries OutputOf(const DrawSession& s) {
  Entries e;
  for (int16_t i = 0; i < s.OutputCount(); ++i) e.push_back(s.OutputAt(i));
  return e;
}

// n empty lines: n - 1 line breaks.
std::u16string EmptyLines(int n) {
  std::u16string text;
  for (int i = 1; i < n; ++i) text += u"\r\n";
  return text;
}

// A session whose generator always answers `r`, and that generator.
struct Fixture {
  explicit Fixture(float r = 0.0f) {
    auto random = std::make_unique<ScriptedRandomSource>(r);
    fake = random.get();
    session = std::make_unique<DrawSession>(std::move(random));
  }
  ScriptedRandomSource* fake;
  std::unique_ptr<DrawSession> session;
};

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(AddLinesTest, CutsAtCrLf) {
  DrawSession session;
  EXPECT_EQ(session.AddLines(u"A\r\nB"), AddOutcome::Added);
  ASSERT_EQ(session.SourceCount(), 2);
  EXPECT_EQ(session.SourceAt(1), u"B");
}

TEST(AddLinesTest, CutsOnlyAtCrLfAndStoresPiecesUnchanged) {
  const struct {
    std::u16string text;
    Entries added;
  } kCases[] = {
      {u"", {}},
      {u"A", {u"A"}},
      {u"A\r\nB\r\nC", {u"A", u"B", u"C"}},
      {u"A\r\nB\r\n", {u"A", u"B", u""}},
      {u"\r\n", {u"", u""}},
      {u"A\r\n\r\nB", {u"A", u"", u"B"}},
      {u"A\nB", {u"A\nB"}},
      {u"A\r\r\nB", {u"A\r", u"B"}},
      {u"\n\r", {u"\n\r"}},
      {u" A \t\r\n\u3000B", {u" A \t", u"\u3000B"}},
      {u"X\r\nX", {u"X", u"X"}},
      {u"\xD800\r\n\xDC00z", {u"\xD800", u"\xDC00z"}},
  };
  for (const auto& c : kCases) {
    // Entries already in both lists stay where they are.
    Fixture f;
    DrawSession& s = *f.session;
    s.AddLines(u"P\r\nQ");
    ASSERT_EQ(s.Draw(u"1"), DrawOutcome::Drawn);
    EXPECT_EQ(s.AddLines(c.text), AddOutcome::Added);
    Entries expected{u"Q"};
    expected.insert(expected.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(SourceOf(s), expected) << "text size " << c.text.size();
    EXPECT_EQ(OutputOf(s), Entries{u"P"});
  }
}

TEST(AddLinesTest, SameTextTwiceAppendsItTwice) {
  DrawSession s;
  s.AddLines(u"A\r\nB");
  s.AddLines(u"A\r\nB");
  EXPECT_EQ(SourceOf(s), (Entries{u"A", u"B", u"A", u"B"}));
}

TEST(AddLinesTest, AppendsNothingWhenTheListWouldPassTheLimit) {
  DrawSession s;
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
}

TEST(DrawTest, RefusesToOverfillTheOutputWithoutChangingOrReseeding) {
  Fixture f;
  DrawSession& s = *f.session;
  s.AddLines(EmptyLines(kMaxEntries));
  ASSERT_EQ(s.Draw(u"0"), DrawOutcome::Drawn);
  s.AddLines(u"A\r\nB");
  const int reseeds = f.fake->reseeds();
  EXPECT_EQ(s.Draw(u"1"), DrawOutcome::OutputFull);
  EXPECT_EQ(s.Draw(u"0"), DrawOutcome::OutputFull);
  EXPECT_EQ(s.Draw(u"3"), DrawOutcome::NotEnoughEntries);  // checked first
  EXPECT_EQ(s.Draw(u"x"), DrawOutcome::InvalidCount);
  EXPECT_EQ(f.fake->reseeds(), reseeds);
  EXPECT_EQ(SourceOf(s), (Entries{u"A", u"B"}));
  EXPECT_EQ(s.OutputCount(), kMaxEntries);
  EXPECT_EQ(s.Draw(u"-1"), DrawOutcome::Drawn);  // moves nothing: fits
  s.ClearLists();
  EXPECT_EQ(s.SourceCount(), 0);
  EXPECT_EQ(s.OutputCount(), 0);
}

TEST(DrawTest, SuccessiveDrawsAccumulateAndSurvivorsKeepTheirOrder) {
  Fixture f(kLargestBelowOne);
  DrawSession& s = *f.session;
  s.AddLines(u"A\r\nB\r\nC\r\nD\r\nE\r\nA");
  ASSERT_EQ(s.Draw(u"2"), DrawOutcome::Drawn);
  ASSERT_EQ(s.Draw(u"2"), DrawOutcome::Drawn);
  EXPECT_EQ(OutputOf(s), (Entries{u"A", u"E", u"D", u"C"}));
  EXPECT_EQ(SourceOf(s), (Entries{u"A", u"B"}));
  EXPECT_EQ(f.fake->reseeds(), 2);
  EXPECT_EQ(f.fake->nexts(), 4);
}

TEST(DrawTest, ExtremeValuesGiveSourceOrderAndReverseOrder) {
  for (const auto& [r, expected] :
       {std::pair{0.0f, Entries{u"A", u"B", u"C", u"D", u"E"}},
        std::pair{kLargestBelowOne, Entries{u"E", u"D", u"C", u"B", u"A"}}}) {
    Fixture f(r);
    f.session->AddLines(u"A\r\nB\r\nC\r\nD\r\nE");
    EXPECT_EQ(f.session->Draw(u"0"), DrawOutcome::Drawn);
    EXPECT_EQ(OutputOf(*f.session), expected);
    EXPECT_EQ(f.session->SourceCount(), 0);
  }
}

TEST(DrawTest, GeneratorOutsideItsRangeStillPicksInsideTheList) {
  for (float r : {1.0f, 2.5f, -0.5f, NAN, INFINITY}) {
    Fixture f(r);
    f.session->AddLines(u"A\r\nB\r\nC");
    EXPECT_EQ(f.session->Draw(u"0"), DrawOutcome::Drawn);
    EXPECT_EQ(f.session->OutputCount(), 3);
  }
}

// Records what the engine does to the clipboard, in order.
class RecordingClipboard final : public Clipboard {
 public:
  void Clear() override { calls.push_back(u"<clear>"); }
  void SetText(std::u16string_view text) override { calls.emplace_back(text); }
  Entries calls;
};

TEST(ExportTest, EveryOutputEntryIsFollowedByCrLf) {
  const struct {
    std::u16string lines;
    std::u16string count;
    std::u16string text;
  } kCases[] = {
      {u"A\r\nB", u"-1", u""},
      {u"A", u"0", u"A\r\n"},
      {u"A\r\n\r\nB", u"0", u"A\r\n\r\nB\r\n"},
      {u"x\ry\nz\r\nw", u"1", u"x\ry\nz\r\n"},
  };
  for (const auto& c : kCases) {
    Fixture f;
    DrawSession& s = *f.session;
    s.AddLines(c.lines);
    s.Draw(c.count);
    const Entries source = SourceOf(s);
    EXPECT_EQ(s.ExportText(), c.text);
    RecordingClipboard clipboard;
    s.CopyOutput(clipboard);
    s.CopyOutput(clipboard);
    EXPECT_EQ(clipboard.calls,
              (Entries{u"<clear>", c.text, u"<clear>", c.text}));
    EXPECT_EQ(SourceOf(s), source);
  }
}

TEST(ExportTest, HoldsEveryDrawSinceTheLastClearEarliestFirst) {
  Fixture f;
  DrawSession& s = *f.session;
  s.AddLines(u"A\r\nB\r\nC");
  s.Draw(u"1");
  s.Draw(u"1");
  EXPECT_EQ(s.ExportText(), u"A\r\nB\r\n");
  s.ClearLists();
  EXPECT_EQ(s.ExportText(), u"");
}

}  // namespace
}  // namespace lotwheel
