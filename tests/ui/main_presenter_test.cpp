// Tests of what the main window does on each button, against a fake window:
// the lists, the messages, the focus afterwards, the rows scrolled to and
// what a screen reader is told. Both frontends run this behaviour.
#include "ui/main_presenter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tests/engine/failing_allocator.h"
#include "ui/announcements.h"
#include "ui/messages.h"
#include "ui/row_text.h"

namespace lotwheel::ui {
namespace {

using Id = MainControl;
using Texts = std::vector<std::u16string>;

// A window that records what the presenter asked of it.
class FakeView final : public MainView {
 public:
  std::u16string Text(MainControl box) const override { return texts.at(box); }
  void SetText(MainControl box, std::u16string_view text) override {
    texts[box] = text;
  }
  // What an input method still composes joins its box's text only now.
  void FinishInput() override {
    for (const auto& [box, text] : composing) texts[box] += text;
    composing.clear();
  }
  void ShowRows(MainControl list, int count, RowChange change) override {
    shown[list] = {count, change};
  }
  void ScrollToRow(MainControl list, int row) override { scrolled[list] = row; }
  std::optional<MainControl> Focus() const override { return focus; }
  void SetFocus(MainControl control) override { focus = control; }
  void ShowMessage(std::u16string_view text) override {
    messages.emplace_back(text);
    focus.reset();  // a message box takes the focus while it is open
  }
  void Announce(std::u16string_view text) override {
    announced.emplace_back(text);
  }
  void OpenVersionWindow() override { ++version_windows; }

  std::map<MainControl, std::u16string> texts{{Id::txtAdd, u""},
                                              {Id::txtHowWho, u"0"}};
  std::map<MainControl, std::u16string> composing;
  std::map<MainControl, std::pair<int, RowChange>> shown;
  std::map<MainControl, int> scrolled;
  std::optional<MainControl> focus;
  Texts messages, announced;
  int version_windows = 0;
};

// Holds the text it is given, or refuses it when told to.
class RecordingClipboard final : public Clipboard {
 public:
  bool ReplaceText(std::u16string_view replacement) override {
    if (takes) text = replacement;
    return takes;
  }

  std::u16string text = u"old";
  bool takes = true;
};

class MainPresenterTest : public ::testing::Test {
 protected:
  MainPresenterTest() : p(view, clipboard) { p.Start(); }
  void Add(std::u16string_view text) {
    view.texts[Id::txtAdd] = text;
    p.Press(Id::cmdAdd);
  }
  void Draw(std::u16string_view count) {
    view.texts[Id::txtHowWho] = count;
    p.Press(Id::cmdBuild);
  }
  Texts Rows(Id list) const {
    Texts rows;
    for (int i = 0; i < p.RowCount(list); ++i)
      rows.push_back(p.RowText(list, i));
    return rows;
  }
  // Both lists and both boxes, to compare before and after.
  std::tuple<Texts, Texts, std::u16string, std::u16string> State() const {
    return {Rows(Id::lstMoto), Rows(Id::lstAto), view.texts.at(Id::txtAdd),
            view.texts.at(Id::txtHowWho)};
  }

  FakeView view;
  RecordingClipboard clipboard;
  MainPresenter p;
};

TEST_F(MainPresenterTest, StartsWithTheFocusOnTheInputList) {
  EXPECT_EQ(view.focus, Id::lstMoto);
  EXPECT_EQ(p.RowCount(Id::lstMoto) + p.RowCount(Id::lstAto), 0);
}

// Each press adds every line cut at CR LF only and leaves the box as it
// was; the first new row is scrolled to once the list had rows before.
TEST_F(MainPresenterTest, AddAppendsEveryLineAndShowsTheFirstNewRow) {
  Add(u"佐藤\r\n鈴木");
  EXPECT_EQ(view.shown[Id::lstMoto], std::pair(2, RowChange::kAppended));
  EXPECT_FALSE(view.scrolled.contains(Id::lstMoto));
  p.Press(Id::cmdAdd);
  Add(u"A\rB\nC\r\n");
  EXPECT_EQ(Rows(Id::lstMoto),
            (Texts{u"佐藤", u"鈴木", u"佐藤", u"鈴木", u"A␍B␊C", u""}));
  EXPECT_EQ(view.scrolled[Id::lstMoto], 4);
  EXPECT_EQ(view.texts[Id::txtAdd], u"A\rB\nC\r\n");
  EXPECT_EQ(view.announced.back(), AddedText(2, 6));
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(MainPresenterTest, DrawsMoveEntriesAccumulateAndAreAnnounced) {
  Draw(u"0");  // from nothing: count 0 means all of none, and no message
  EXPECT_EQ(view.announced.back(), DrawnText(p.session(), 0));
  Add(u"A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\n");
  Draw(u"2.9");
  const Texts first = Rows(Id::lstAto);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(view.announced.back(), DrawnText(p.session(), 0));
  Draw(u"0");
  const Texts all = Rows(Id::lstAto);
  EXPECT_EQ(Texts(all.begin(), all.begin() + 2), first);  // earlier ones stay
  EXPECT_EQ(view.shown[Id::lstMoto], std::pair(0, RowChange::kReplaced));
  EXPECT_EQ(view.shown[Id::lstAto], std::pair(8, RowChange::kAppended));
  EXPECT_EQ(view.scrolled[Id::lstAto], 2);
  EXPECT_EQ(view.announced.back(), DrawnText(p.session(), 2));
  // The first few drawn by name, the rest only counted.
  for (size_t i = 2; i < all.size(); ++i) {
    if (all[i].empty()) continue;
    EXPECT_EQ(view.announced.back().find(all[i]) != std::u16string::npos,
              i < 2 + kNamesAnnounced)
        << i;
  }
  EXPECT_EQ(view.texts[Id::txtHowWho], u"0");
  EXPECT_TRUE(view.messages.empty());
}

// From "A", "B" and "C" in the input list: each refusal shows its one
// message, changes nothing, announces nothing and gives the focus back.
TEST_F(MainPresenterTest, RefusalShowsOneMessageAndChangesNothing) {
  std::u16string too_many;
  for (int i = 0; i < kMaxEntries - 3; ++i) too_many += u"p\r\n";
  const std::tuple<Id, std::u16string, std::u16string, std::u16string> cases[] =
      {
          {Id::cmdBuild, u"4", u"", MessageFor(DrawOutcome::NotEnoughEntries)},
          {Id::cmdBuild, u"三", u"", MessageFor(DrawOutcome::InvalidCount)},
          {Id::cmdBuild, u"100000", u"",
           MessageFor(DrawOutcome::NotEnoughEntries)},
          {Id::cmdAdd, u"0", too_many, MessageFor(AddOutcome::SourceFull)},
      };
  Add(u"A\r\nB\r\nC");
  for (const auto& [button, count, entries, message] : cases) {
    view.texts = {{Id::txtAdd, entries}, {Id::txtHowWho, count}};
    view.messages.clear();
    view.announced.clear();
    view.focus = button;
    const auto before = State();
    p.Press(button);
    EXPECT_EQ(view.messages, Texts{std::u16string(message)});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(view.focus, button);
    EXPECT_TRUE(view.announced.empty());
  }
}

// A command works with a box as the user sees it, with what an input method
// has not committed yet: nothing half-typed is lost or read as blank.
TEST_F(MainPresenterTest, CommandsReadWhatIsStillBeingComposed) {
  view.composing[Id::txtAdd] = u"たなか";
  Add(u"山田\r\n");
  EXPECT_EQ(Rows(Id::lstMoto), (Texts{u"山田", u"たなか"}));
  EXPECT_EQ(view.texts[Id::txtAdd], u"山田\r\nたなか");
  view.composing[Id::txtHowWho] = u"１";
  Draw(u"");
  EXPECT_EQ(Rows(Id::lstAto).size(), 1u);
  EXPECT_TRUE(view.messages.empty());
  view.composing[Id::txtAdd] = u"さとう";
  p.Press(Id::cmdClear);
  EXPECT_TRUE(view.composing.empty());
}

TEST_F(MainPresenterTest, AFullOutputRefusesTheNextDraw) {
  // kMaxEntries names, one a line, with no line break after the last.
  std::u16string full = u"n";
  for (int i = 1; i < kMaxEntries; ++i) full += u"\r\nn";
  Add(full);
  Draw(u"0");
  Add(u"A");
  const auto before = State();
  Draw(u"0");
  EXPECT_EQ(view.messages,
            Texts{std::u16string(MessageFor(DrawOutcome::OutputFull))});
  EXPECT_EQ(State(), before);
}

TEST_F(MainPresenterTest, ClearEmptiesBothListsAndTheEntryBoxOnly) {
  Add(u"A\r\nB\r\nC");
  Draw(u"2");
  view.texts[Id::txtAdd] = u"typed";
  p.Press(Id::cmdClear);
  EXPECT_EQ(State(), std::tuple(Texts{}, Texts{}, std::u16string(),
                                std::u16string(u"2")));
  EXPECT_EQ(view.shown[Id::lstMoto], std::pair(0, RowChange::kReplaced));
  EXPECT_EQ(view.shown[Id::lstAto], std::pair(0, RowChange::kReplaced));
  EXPECT_EQ(view.announced.back(), ClearedText());
}

TEST_F(MainPresenterTest, CopyReplacesTheClipboardOrSaysItCouldNot) {
  p.Press(Id::cmdCopy);  // an empty output still replaces what was there
  EXPECT_EQ(clipboard.text, u"");
  Add(u"A\r\n\r\nB");
  Draw(u"0");
  const auto before = State();
  p.Press(Id::cmdCopy);
  const Texts out = Rows(Id::lstAto);
  EXPECT_EQ(clipboard.text,
            out[0] + u"\r\n" + out[1] + u"\r\n" + out[2] + u"\r\n");
  EXPECT_EQ(view.announced.back(), CopiedText(3));
  EXPECT_EQ(State(), before);

  clipboard.takes = false;
  view.focus = Id::cmdCopy;
  view.announced.clear();
  p.Press(Id::cmdCopy);
  EXPECT_EQ(view.messages, Texts{std::u16string(kClipboardFailedMessage)});
  EXPECT_EQ(view.focus, Id::cmdCopy);
  EXPECT_TRUE(view.announced.empty());
}

// One large allocation fails: the operation shows its message and changes
// nothing, and the same button works once memory is back.
TEST_F(MainPresenterTest, RunningOutOfMemoryChangesNothing) {
  std::u16string lines;
  for (int i = 0; i < 10'000; ++i) lines += u"entrant\r\n";
  for (const Id button : {Id::cmdAdd, Id::cmdBuild, Id::cmdCopy}) {
    p.Press(Id::cmdClear);
    if (button != Id::cmdAdd) Add(lines);
    if (button == Id::cmdCopy) Draw(u"0");
    view.texts = {{Id::txtAdd, lines}, {Id::txtHowWho, u"0"}};
    view.messages.clear();
    view.focus = button;
    clipboard.text = u"old";
    const auto before = State();
    // Small enough to catch the draw, which moves two-byte ids.
    FailAllocationOfAtLeast(16 * 1024);
    p.Press(button);
    FailAllocationOfAtLeast(0);
    EXPECT_EQ(view.messages, Texts{std::u16string(kOutOfMemoryMessage)});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(clipboard.text, u"old");
    EXPECT_EQ(view.focus, button);
    p.Press(button);
    EXPECT_TRUE(State() != before || clipboard.text != u"old");
  }
}

TEST_F(MainPresenterTest, VersionButtonOpensTheVersionWindow) {
  p.Press(Id::cmdVerInfo);
  EXPECT_EQ(view.version_windows, 1);
  EXPECT_TRUE(view.announced.empty());
}

TEST_F(MainPresenterTest, RowsShowEntriesOnOneShortLineAndNothingBeyond) {
  Add(u"a\rb\r\n" + std::u16string(2'000'000, u'x'));
  EXPECT_EQ(p.RowText(Id::lstMoto, 0), u"a␍b");
  EXPECT_EQ(p.RowText(Id::lstMoto, 1), RowText(p.session().SourceAt(1)));
  EXPECT_EQ(p.RowText(Id::lstMoto, 2), u"");
  EXPECT_EQ(p.RowText(Id::lstAto, 0), u"");
  EXPECT_EQ(p.session().SourceAt(1).size(), 2'000'000u);  // stored whole
}

}  // namespace
}  // namespace lotwheel::ui
