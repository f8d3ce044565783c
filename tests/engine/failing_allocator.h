// Makes a chosen allocation fail, so that tests can see what an operation
// leaves behind when memory runs out. Only the engine tests link it: it
// replaces the global operators new and delete.
#pragma once

namespace lotwheel {

// The n-th allocation from now (1 = the next one) throws std::bad_alloc,
// and so does none after it; 0 disarms.
void FailAllocation(long n);

// The next allocation of at least `bytes` throws std::bad_alloc, once; 0
// disarms. For tests of whole windows, where the toolkit allocates too.
void FailAllocationOfAtLeast(unsigned long bytes);

}  // namespace lotwheel
