// The fast draw against the literal one that shifts the list at every pick.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/draw_session.h"
#include "engine/position_picker.h"
#include "tests/engine/scripted_random_source.h"

namespace lotwheel {
namespace {

// The draw exactly as described: pick i = floor(m * r), append, erase.
void LiteralDraw(std::vector<int>& source, std::vector<int>& output, int count,
                 RandomSource& random) {
  for (int k = 0; k < count; ++k) {
    const auto m = static_cast<double>(source.size());
    const auto i = static_cast<size_t>(std::floor(m * double(random.Next())));
    output.push_back(source[i]);
    source.erase(source.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

// Values a generator may give: multiples of 2^-24, the two ends, and any
// float below one at all (tiny and subnormal ones included).
std::function<float()> ValueStream(unsigned seed) {
  return [rng = std::mt19937(seed)]() mutable -> float {
    const uint32_t bits = rng();
    switch (bits % 4) {
      case 0:
        return static_cast<float>(rng() >> 8) * 0x1.0p-24f;
      case 1:
        return (bits & 4) ? 0.0f : std::nextafter(1.0f, 0.0f);
      default:
        return std::bit_cast<float>(static_cast<uint32_t>(rng() % 0x3f800000u));
    }
  };
}

std::u16string Utf16(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

std::vector<int> Numbers(const std::vector<std::u16string>& entries) {
  std::vector<int> numbers;
  for (const auto& e : entries)
    numbers.push_back(std::stoi(std::string(e.begin(), e.end())));
  return numbers;
}

TEST(DrawEquivalenceTest, FastDrawGivesTheLiteralLists) {
  for (int n : {1, 2, 3, 5, 16, 17, 100, 1023, 1024, 1025, 4097, 32767}) {
    const unsigned seed = static_cast<unsigned>(n);
    DrawSession session(
        std::make_unique<ScriptedRandomSource>(ValueStream(seed)));
    ScriptedRandomSource reference_random(ValueStream(seed));
    std::u16string text;
    std::vector<int> source, output;
    for (int j = 0; j < n; ++j) {
      if (j > 0) text += u"\r\n";
      text += Utf16(std::to_string(j));
      source.push_back(j);
    }
    session.AddLines(text);
    // A third, then one, then the rest: the tree is rebuilt over survivors.
    for (int count : {n / 3, 1, 0}) {
      if (source.empty()) break;
      ASSERT_EQ(session.Draw(Utf16(std::to_string(count))), DrawOutcome::Drawn);
      const int moved = count ? count : static_cast<int>(source.size());
      LiteralDraw(source, output, moved, reference_random);
      std::vector<std::u16string> s, o;
      for (int16_t i = 0; i < session.SourceCount(); ++i)
        s.push_back(session.SourceAt(i));
      for (int16_t i = 0; i < session.OutputCount(); ++i)
        o.push_back(session.OutputAt(i));
      ASSERT_EQ(Numbers(s), source) << "n=" << n << " count=" << count;
      ASSERT_EQ(Numbers(o), output) << "n=" << n << " count=" << count;
    }
  }
}

TEST(PositionPickerTest, TakesTheRankedSurvivorForEveryRankAndSize) {
  for (int32_t n = 0; n <= 40; ++n) {
    for (int32_t stride = 1; stride <= 7; ++stride) {
      PositionPicker picker(n);
      std::vector<int32_t> left(static_cast<size_t>(n));
      for (int32_t j = 0; j < n; ++j) left[static_cast<size_t>(j)] = j;
      for (int32_t k = 0; picker.Remaining() > 0; ++k) {
        const int32_t rank = (k * stride) % picker.Remaining();
        ASSERT_EQ(picker.Take(rank), left[static_cast<size_t>(rank)]);
        left.erase(left.begin() + rank);
      }
      EXPECT_TRUE(left.empty());
    }
  }
}

}  // namespace
}  // namespace lotwheel
