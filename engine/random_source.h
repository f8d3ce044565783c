// The pseudo-random generator that a DrawSession holds for its whole life.
#pragma once

namespace lotwheel {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Seeds the generator from the system clock.
  virtual void Reseed() = 0;
  // Returns r with 0 <= r < 1, spread evenly over that range.
  virtual float Next() = 0;
};

}  // namespace lotwheel
