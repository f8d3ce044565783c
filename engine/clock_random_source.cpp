// Provisional generator, to be replaced.
#include "engine/clock_random_source.h"

#include <chrono>
#include <random>

namespace lotwheel {

ClockRandomSource::ClockRandomSource()
    : ClockRandomSource(std::random_device{}(), [] {
        return static_cast<uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
      }) {}

ClockRandomSource::ClockRandomSource(uint64_t seed, Clock clock)
    : state_{seed, seed ^ 0x9e3779b97f4a7c15ULL, 1, 2}, clock_(std::move(clock)) {}

void ClockRandomSource::Reseed() { state_[0] ^= clock_(); }

float ClockRandomSource::Next() {
  return static_cast<float>(NextBits() >> 40) * 0x1.0p-24f;
}

uint64_t ClockRandomSource::NextBits() {
  auto rotl = [](uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
  uint64_t result = rotl(state_[1] * 5, 7) * 9;
  uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = rotl(state_[3], 45);
  return result;
}

}  // namespace lotwheel
