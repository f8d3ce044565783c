// COM on the calling thread for as long as a window lives: screen readers
// reach the windows' accessible objects through it.
#pragma once

#include <objbase.h>

namespace lotwheel::win32 {

class ComApartment final {
 public:
  ComApartment()
      : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  // Each successful call, including S_FALSE for a thread that had COM
  // already, is matched by one CoUninitialize.
  bool joined_;
};

}  // namespace lotwheel::win32
