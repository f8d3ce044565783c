// Which entries a draw picks: the fast draw against the literal one, and
// the default generator's values, reseeding and fairness.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/clock_random_source.h"
#include "engine/draw_session.h"
#include "tests/engine/scripted_session.h"

namespace lotwheel {
namespace {

// The literal draw: pick i = floor(m * r), append it, erase it in place.
void LiteralDraw(std::vector<int>& source, std::vector<int>& output,
                 size_t count, RandomSource& random) {
  while (count-- > 0) {
    const double m = static_cast<double>(source.size());
    const auto i = static_cast<size_t>(std::floor(m * double(random.Next())));
    output.push_back(source[i]);
    source.erase(source.begin() + static_cast<ptrdiff_t>(i));
  }
}

// Values a generator may give: multiples of 2^-24, the two ends, and any
// float below one at all (tiny and subnormal ones included).
std::function<float()> ValueStream(unsigned seed) {
  return [rng = std::mt19937(seed)]() mutable -> float {
    const uint32_t bits = rng();
    if (bits % 4 == 0) return static_cast<float>(rng() >> 8) * 0x1.0p-24f;
    if (bits % 4 == 1) return (bits & 4) ? 0.0f : std::nextafter(1.0f, 0.0f);
    return std::bit_cast<float>(static_cast<uint32_t>(rng() % 0x3f800000u));
  };
}

std::u16string Text(size_t number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

Entries Texts(const std::vector<int>& numbers) {
  Entries texts;
  for (int number : numbers) texts.push_back(Text(size_t(number)));
  return texts;
}

TEST(DrawEquivalenceTest, FastDrawGivesTheLiteralLists) {
  // Every size over the picker's first two nodes of 64 positions, then
  // sizes around the edges of its nodes of 512 and 4,096, up to the limit.
  std::vector<size_t> sizes{511, 512, 513, 4095, 4096, 4097, 32767};
  for (size_t n = 1; n <= 130; ++n) sizes.push_back(n);
  for (size_t n : sizes) {
    ScriptedSession f;
    f.random->next = ValueStream(n);
    ScriptedRandomSource reference_random(ValueStream(n));
    std::u16string text;
    std::vector<int> source(n), output;
    std::iota(source.begin(), source.end(), 0);
    for (size_t j = 0; j < n; ++j) text += (j > 0 ? u"\r\n" : u"") + Text(j);
    f.session.AddLines(text);
    // A third, then one, then the rest: the tree is rebuilt over survivors.
    for (size_t count : {n / 3, size_t{1}, size_t{0}}) {
      if (source.empty()) break;
      ASSERT_EQ(f.session.Draw(Text(count)), DrawOutcome::Drawn);
      LiteralDraw(source, output, count ? count : source.size(),
                  reference_random);
      ASSERT_EQ(f.Source(), Texts(source)) << "n=" << n << " count=" << count;
      ASSERT_EQ(f.Output(), Texts(output)) << "n=" << n << " count=" << count;
    }
  }
}

std::vector<float> Take(RandomSource& random, int count) {
  std::vector<float> values;
  while (count-- > 0) values.push_back(random.Next());
  return values;
}

TEST(ClockRandomSourceTest, ValuesAreWholeStepsOf2Pow24BelowOne) {
  ClockRandomSource random(7, [] { return uint64_t{0}; });
  float highest = 0.0f;
  for (float r : Take(random, 200000)) {
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ASSERT_EQ(r * 0x1.0p24f, std::floor(r * 0x1.0p24f));
    highest = std::max(highest, r);
  }
  EXPECT_GT(highest, 0.999f);
}

TEST(ClockRandomSourceTest, ReseedMixesTheClockIntoTheStateItHas) {
  uint64_t now = 1000;  // a clock that ticks only when told
  auto clock = [&now] { return now; };
  ClockRandomSource a(1, clock), b(1, clock), c(2, clock);
  for (RandomSource* r : {&a, &b, &c}) r->Reseed();
  const std::vector<float> first = Take(a, 8);
  EXPECT_EQ(Take(b, 8), first);  // deterministic
  EXPECT_NE(Take(c, 8), first);  // same tick, other state
  a.Reseed();                    // same tick again
  const std::vector<float> second = Take(a, 8);
  EXPECT_NE(second, first);
  ClockRandomSource unmixed = a;
  a.Reseed();  // twice with nothing drawn between: they must not cancel out
  a.Reseed();
  EXPECT_NE(Take(a, 8), Take(unmixed, 8));
  ++now;
  b.Reseed();  // where a stood before its second reseed, one tick later
  EXPECT_NE(Take(b, 8), second);
}

// Chi-square of draws of `take` from "0".."n-1" by the default generator
// with a fixed seed; each ordered result is one category.
double ChiSquare(int n, const char16_t* take, int categories, int trials) {
  uint64_t now = 0;
  DrawSession s(std::make_unique<ClockRandomSource>(
      20240601, [&now] { return now += 15625; }));
  const std::u16string lines =
      std::u16string(u"0\r\n1\r\n2\r\n3\r\n4").substr(0, 3 * n - 2);
  std::map<std::u16string, int> seen;
  for (int t = 0; t < trials; ++t, s.ClearLists()) {
    s.AddLines(lines);
    s.Draw(take);
    ++seen[s.ExportText()];
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(categories));
  const double expected = static_cast<double>(trials) / categories;
  double chi = 0;
  for (const auto& [order, count] : seen) {
    chi += (count - expected) * (count - expected) / expected;
  }
  return chi;
}

TEST(FairnessTest, EveryOrderIsEquallyLikely) {
  // Cut-offs where P(chi-square > x) is about 1e-6, for 23 and 59 degrees
  // of freedom.
  EXPECT_LT(ChiSquare(4, u"0", 24, 24 * 2000), 70.5);   // all of four
  EXPECT_LT(ChiSquare(5, u"3", 60, 60 * 1000), 125.7);  // three of five
}

}  // namespace
}  // namespace lotwheel
