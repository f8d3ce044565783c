// Runs one operation of a window, telling whether memory ran out.
#include "ui/out_of_memory.h"

#include <new>
#include <stdexcept>

namespace lotwheel::ui {

bool RanOutOfMemory(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::bad_alloc&) {
    return true;
  } catch (const std::length_error&) {
    return true;
  }
  return false;
}

}  // namespace lotwheel::ui
