// The default generator: its values, its reseeding, and the fairness of
// the draws it drives.
#include "engine/clock_random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "engine/draw_session.h"

namespace lotwheel {
namespace {

std::vector<float> Take(RandomSource& random, int count) {
  std::vector<float> values;
  for (int i = 0; i < count; ++i) values.push_back(random.Next());
  return values;
}

TEST(ClockRandomSourceTest, ValuesAreWholeStepsOf2Pow24BelowOne) {
  ClockRandomSource random(7, [] { return uint64_t{0}; });
  float highest = 0.0f;
  for (float r : Take(random, 200000)) {
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    const float steps = r * 0x1.0p24f;
    ASSERT_EQ(steps, std::floor(steps));
    highest = std::max(highest, r);
  }
  EXPECT_GT(highest, 0.999f);
}

TEST(ClockRandomSourceTest, ReseedMixesTheClockIntoTheState) {
  auto fixed = [] { return uint64_t{123456789}; };
  ClockRandomSource a(1, fixed), b(1, fixed), c(2, fixed);
  ClockRandomSource d(1, [] { return uint64_t{123456790}; });
  for (RandomSource* r : {&a, &b, &c, &d}) r->Reseed();
  const std::vector<float> first = Take(a, 8);
  EXPECT_EQ(Take(b, 8), first);  // deterministic
  EXPECT_NE(Take(c, 8), first);  // same tick, other state
  EXPECT_NE(Take(d, 8), first);  // same state, next nanosecond
}

TEST(ClockRandomSourceTest, TwoReseedsInOneClockTickDiffer) {
  int readings = 0;
  ClockRandomSource random(42, [&readings] {
    ++readings;
    return uint64_t{1000};
  });
  random.Reseed();
  const std::vector<float> first = Take(random, 8);
  random.Reseed();
  const std::vector<float> second = Take(random, 8);
  random.Reseed();  // with nothing drawn between the two
  random.Reseed();
  EXPECT_NE(first, second);
  EXPECT_NE(Take(random, 8), second);
  EXPECT_EQ(readings, 4);
}

// Chi-square of draws of `take` from "0".."n-1" by the default generator
// with a fixed seed; each ordered result is one category.
double ChiSquare(int n, const char16_t* take, int categories, int trials) {
  uint64_t now = 0;
  DrawSession s(std::make_unique<ClockRandomSource>(
      20240601, [&now] { return now += 15625; }));
  std::map<std::u16string, int> seen;
  for (int t = 0; t < trials; ++t) {
    s.AddLines(std::u16string(u"0\r\n1\r\n2\r\n3\r\n4").substr(0, 3 * n - 2));
    s.Draw(take);
    std::u16string order;
    for (int16_t i = 0; i < s.OutputCount(); ++i) order += s.OutputAt(i);
    ++seen[order];
    s.ClearLists();
  }
  EXPECT_EQ(static_cast<int>(seen.size()), categories);
  const double expected = static_cast<double>(trials) / categories;
  double chi = 0;
  for (const auto& [order, count] : seen) {
    chi += (count - expected) * (count - expected) / expected;
  }
  return chi;
}

TEST(FairnessTest, EveryOrderOfFourIsEquallyLikely) {
  // 23 degrees of freedom: P(chi-square > 70.5) is about 1e-6.
  EXPECT_LT(ChiSquare(4, u"0", 24, 24 * 2000), 70.5);
}

TEST(FairnessTest, EveryOrderedThreeOfFiveIsEquallyLikely) {
  // 59 degrees of freedom: P(chi-square > 125.7) is about 1e-6.
  EXPECT_LT(ChiSquare(5, u"3", 60, 60 * 1000), 125.7);
}

}  // namespace
}  // namespace lotwheel
