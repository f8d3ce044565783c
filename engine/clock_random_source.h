// The default RandomSource: xoshiro256** reseeded from a nanosecond clock.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "engine/random_source.h"

namespace lotwheel {

class ClockRandomSource final : public RandomSource {
 public:
  // Nanoseconds from some fixed point; only differences between readings and
  // their low bits matter.
  using Clock = std::function<uint64_t()>;

  // Starts from std::random_device and the steady clock.
  ClockRandomSource();
  // Deterministic: a fixed starting seed and a clock that tests control.
  ClockRandomSource(uint64_t seed, Clock clock);

  void Reseed() override;
  float Next() override;

 private:
  uint64_t NextBits();
  // XORs a SplitMix64 stream started from key into the state.
  void MixIn(uint64_t key);

  std::array<uint64_t, 4> state_{};
  Clock clock_;
  // Counts the reseeds, so that two within one clock tick mix in different
  // values even when nothing was drawn between them.
  uint64_t reseeds_ = 0;
};

}  // namespace lotwheel
