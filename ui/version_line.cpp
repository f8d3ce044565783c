#include "ui/version_line.h"

namespace lotwheel {
namespace {

// The number in decimal, with "0" put in front up to min_digits.
std::string Padded(int number, size_t min_digits) {
  std::string digits = std::to_string(number);
  if (digits.size() < min_digits) digits.insert(0, min_digits - digits.size(), '0');
  return digits;
}

}  // namespace

std::string VersionLine(int major, int minor, int revision) {
  return "Version:" + std::to_string(major) + "." + Padded(minor, 2) + "." +
         Padded(revision, 4);
}

}  // namespace lotwheel
