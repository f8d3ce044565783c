// The global operators new and delete of the engine tests, with a failure on
// demand. Every form that allocates without an alignment is replaced, so
// that whatever a library allocates through one is freed by one of ours:
// a replaced delete must never meet the library's own new.
#include "tests/engine/failing_allocator.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace lotwheel {
namespace {

long allocations_to_failure = 0;  // 0: never fail
std::size_t fail_at_least = 0;    // 0: never fail

// The memory for one allocation, or nullptr when a failure is due or there
// is none.
void* Allocate(std::size_t size) {
  if (allocations_to_failure > 0 && --allocations_to_failure == 0) {
    return nullptr;
  }
  if (fail_at_least > 0 && size >= fail_at_least) {
    fail_at_least = 0;
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}

}  // namespace

void FailAllocation(long n) { allocations_to_failure = n; }

void FailAllocationOfAtLeast(unsigned long bytes) { fail_at_least = bytes; }

}  // namespace lotwheel

void* operator new(std::size_t size) { return lotwheel::AllocateOrThrow(size); }
void* operator new[](std::size_t size) {
  return lotwheel::AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return lotwheel::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return lotwheel::Allocate(size);
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
