// Builds the version line shown by the version window.
#include "ui/version_line.h"

#include <cstdlib>

namespace lotwheel {
namespace {

// The number in decimal, with "0" put in front of the digits up to
// min_digits. A minus sign stays in front of the zeros and is not counted as
// a digit, so -5 becomes "-05", never "0-5".
std::string Padded(int number, size_t min_digits) {
  const bool negative = number < 0;
  // Through long long so that the smallest int loses its sign safely.
  std::string digits =
      std::to_string(std::llabs(static_cast<long long>(number)));
  if (digits.size() < min_digits)
    digits.insert(0, min_digits - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

std::string VersionLine(int major, int minor, int revision) {
  return "Version:" + std::to_string(major) + "." + Padded(minor, 2) + "." +
         Padded(revision, 4);
}

}  // namespace lotwheel
