// Picks the k-th remaining position out of 0..n-1 and takes it away.
#include "engine/position_picker.h"

#include <cassert>
#include <cstddef>

namespace lotwheel {

PositionPicker::PositionPicker(int32_t count)
    : tree_(static_cast<size_t>(count) + 1), remaining_(count) {
  // With every position present, each node counts exactly its own span.
  for (int32_t j = 1; j <= count; ++j) tree_[static_cast<size_t>(j)] = j & -j;
  top_step_ = 1;
  while (top_step_ <= count / 2) top_step_ *= 2;
  if (count == 0) top_step_ = 0;
}

int32_t PositionPicker::Take(int32_t rank) {
  assert(rank >= 0 && rank < remaining_);
  const auto size = static_cast<int32_t>(tree_.size()) - 1;
  // Descends from the top. Every node the descent looks at but does not step
  // over spans the position it ends on, and those are exactly the nodes that
  // count it, so they are taken down on the way: one pass, no second walk.
  int32_t base = 0;
  for (int32_t step = top_step_; step > 0; step /= 2) {
    int32_t node = base + step;
    if (node > size) continue;
    int32_t& span = tree_[static_cast<size_t>(node)];
    if (span <= rank) {
      rank -= span;
      base = node;
    } else {
      --span;
    }
  }
  --remaining_;
  return base;  // the 1-based node base + 1, as a 0-based position
}

}  // namespace lotwheel
