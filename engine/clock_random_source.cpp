// The default RandomSource: xoshiro256** reseeded from a nanosecond clock.
#include "engine/clock_random_source.h"

#include <chrono>
#include <random>
#include <utility>

namespace lotwheel {
namespace {

constexpr uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

// SplitMix64's output function: spreads every input bit over the word.
uint64_t Scramble(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

uint64_t Nanoseconds(std::chrono::nanoseconds t) {
  return static_cast<uint64_t>(t.count());
}

// Reads the steady clock, which ticks finer than the wall clock and never
// jumps back; its low bits are what makes each reseed different.
uint64_t SteadyNanoseconds() {
  return Nanoseconds(std::chrono::steady_clock::now().time_since_epoch());
}

// The first state of the default generator: the system's entropy source
// (which some platforms make deterministic), the wall clock and the steady
// clock together, so that two programs started at once still differ.
uint64_t StartingSeed() {
  std::random_device device;
  uint64_t seed = (uint64_t{device()} << 32) ^ device();
  seed ^= Scramble(
      Nanoseconds(std::chrono::system_clock::now().time_since_epoch()));
  return seed ^ Rotl(Scramble(SteadyNanoseconds()), 21);
}

}  // namespace

ClockRandomSource::ClockRandomSource()
    : ClockRandomSource(StartingSeed(), SteadyNanoseconds) {}

ClockRandomSource::ClockRandomSource(uint64_t seed, Clock clock)
    : clock_(std::move(clock)) {
  MixIn(seed);
}

void ClockRandomSource::Reseed() {
  // Mixed into the state rather than written over it, so that what the
  // generator has been through still counts when the clock has not moved.
  ++reseeds_;
  MixIn(clock_() ^ Rotl(reseeds_ * kGolden, 32));
}

float ClockRandomSource::Next() {
  // k / 2^24 with k < 2^24 is exact in a float and never reaches 1.
  return static_cast<float>(NextBits() >> 40) * 0x1.0p-24f;
}

void ClockRandomSource::MixIn(uint64_t key) {
  for (uint64_t& word : state_) {
    key += kGolden;
    word ^= Scramble(key);
  }
  // xoshiro never leaves the all-zero state; step aside from it.
  if (state_ == decltype(state_){}) state_[0] = kGolden;
}

uint64_t ClockRandomSource::NextBits() {
  const uint64_t result = Rotl(state_[1] * 5, 7) * 9;
  const uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = Rotl(state_[3], 45);
  return result;
}

}  // namespace lotwheel
