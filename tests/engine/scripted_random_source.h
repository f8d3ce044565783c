// A RandomSource for tests: plays values from a function and counts reseeds.
#pragma once

#include <functional>
#include <utility>

#include "engine/random_source.h"

namespace lotwheel {

class ScriptedRandomSource final : public RandomSource {
 public:
  explicit ScriptedRandomSource(std::function<float()> next)
      : next_(std::move(next)) {}
  explicit ScriptedRandomSource(float always)
      : ScriptedRandomSource([always] { return always; }) {}

  void Reseed() override { ++reseeds_; }
  float Next() override {
    ++nexts_;
    return next_();
  }

  int reseeds() const { return reseeds_; }
  int nexts() const { return nexts_; }

 private:
  std::function<float()> next_;
  int reseeds_ = 0;
  int nexts_ = 0;
};

}  // namespace lotwheel
