// Runs one operation of a window, telling whether memory ran out.
#pragma once

#include <functional>

namespace lotwheel::ui {

// True when the operation ran out of memory (std::bad_alloc, or a string or
// list asked to grow past what can be had). The engine then left both lists
// as they were, so the window says so and the program goes on.
bool RanOutOfMemory(const std::function<void()>& operation);

}  // namespace lotwheel::ui
