// Running out of memory in any operation leaves both lists as they were.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <string_view>

#include "engine/draw_session.h"
#include "tests/engine/failing_allocator.h"
#include "tests/engine/scripted_session.h"

namespace lotwheel {
namespace {

// Keeps the last text it was given.
struct KeepingClipboard final : Clipboard {
  bool ReplaceText(std::u16string_view t) override {
    return text.assign(t), true;
  }
  std::u16string text;
};

// Both lists hold entries too long for the short-string buffer.
void Prepare(DrawSession& s) {
  s.AddLines(u"entrant number one\r\nentrant number two\r\n\r\nentrant four");
  s.Draw(u"2");
}

TEST(OutOfMemoryTest, EveryOperationCompletesOrChangesNothing) {
  ScriptedSession prepared(0.5f);
  Prepare(prepared.session);
  const std::u16string kExport = prepared.session.ExportText();
  // Each operation answers whether it did what it should.
  const std::pair<const char*, std::function<bool(DrawSession&)>> kCases[] = {
      {"AddLines",
       [](DrawSession& s) {
         return s.AddLines(
                    u"first new entrant\r\nsecond new entrant\r\n\r\n"
                    u"fourth new entrant") == AddOutcome::Added;
       }},
      {"Reserve and AddLines",
       [](DrawSession& s) {
         s.Reserve(100, 4);
         return s.AddLines(u"first new entrant\r\n\r\nthird") ==
                AddOutcome::Added;
       }},
      {"Draw some",
       [](DrawSession& s) { return s.Draw(u"２") == DrawOutcome::Drawn; }},
      {"Draw all",
       [](DrawSession& s) { return s.Draw(u"0") == DrawOutcome::Drawn; }},
      {"ExportText", [&](DrawSession& s) { return s.ExportText() == kExport; }},
      {"CopyOutput",
       [&](DrawSession& s) {
         KeepingClipboard clipboard;
         return s.CopyOutput(clipboard) && clipboard.text == kExport;
       }},
  };
  for (const auto& [name, operation] : kCases) {
    SCOPED_TRACE(name);
    ScriptedSession expected(0.5f), f(0.5f);
    Prepare(expected.session);
    Prepare(f.session);
    ASSERT_TRUE(operation(expected.session));
    const Entries source = f.Source(), output = f.Output();
    // Fails the first allocation, then the second, and so on, until the
    // operation gets through.
    long failures = 0;
    for (bool done = false; !done; ++failures) {
      FailAllocation(failures + 1);
      try {
        done = operation(f.session);
        FailAllocation(0);
        ASSERT_TRUE(done);
      } catch (const std::bad_alloc&) {
        ASSERT_EQ(f.Source(), source)
            << "failed at allocation " << failures + 1;
        ASSERT_EQ(f.Output(), output)
            << "failed at allocation " << failures + 1;
      }
    }
    EXPECT_GT(failures, 1);  // at least one allocation was made to fail
    EXPECT_EQ(f.Source(), expected.Source());
    EXPECT_EQ(f.Output(), expected.Output());
  }
}

}  // namespace
}  // namespace lotwheel
