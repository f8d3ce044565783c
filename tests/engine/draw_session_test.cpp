// Entry lists, the draw and the export.
#include "engine/draw_session.h"

#include <gtest/gtest.h>

namespace lotwheel {
namespace {

TEST(AddLinesTest, CutsAtCrLf) {
  DrawSession session;
  EXPECT_EQ(session.AddLines(u"A\r\nB"), AddOutcome::Added);
  ASSERT_EQ(session.SourceCount(), 2);
  EXPECT_EQ(session.SourceAt(1), u"B");
}

}  // namespace
}  // namespace lotwheel
