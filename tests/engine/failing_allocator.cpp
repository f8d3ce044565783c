// The global operator new of the engine tests, with a failure on demand.
#include "tests/engine/failing_allocator.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace lotwheel {
namespace {

long allocations_to_failure = 0;  // 0: never fail
std::size_t fail_at_least = 0;    // 0: never fail

}  // namespace

void FailAllocation(long n) { allocations_to_failure = n; }

void FailAllocationOfAtLeast(unsigned long bytes) { fail_at_least = bytes; }

}  // namespace lotwheel

void* operator new(std::size_t size) {
  if (lotwheel::allocations_to_failure > 0 &&
      --lotwheel::allocations_to_failure == 0) {
    throw std::bad_alloc();
  }
  if (lotwheel::fail_at_least > 0 && size >= lotwheel::fail_at_least) {
    lotwheel::fail_at_least = 0;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
