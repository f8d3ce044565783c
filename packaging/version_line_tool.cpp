// Prints the version window's line: for this build's version, or for the
// major, minor and revision given as arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lotwheel_version.h"
#include "ui/version_line.h"

namespace {

// The argument as a whole number from 0 up, or -1 when it is not one.
int ParseNumber(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 999999) return -1;
  return static_cast<int>(value);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 1) {
    std::puts(lotwheel::VersionLine(lotwheel::kVersionMajor,
                                    lotwheel::kVersionMinor,
                                    lotwheel::kVersionRevision)
                  .c_str());
    return 0;
  }
  if (argc != 4) {
    std::fputs("usage: lotwheel_version_line [MAJOR MINOR REVISION]\n", stderr);
    return 2;
  }
  int numbers[3];
  for (int i = 0; i < 3; ++i) {
    numbers[i] = ParseNumber(argv[i + 1]);
    if (numbers[i] < 0) {
      std::fprintf(stderr, "not a version number: '%s'\n", argv[i + 1]);
      return 2;
    }
  }
  std::puts(lotwheel::VersionLine(numbers[0], numbers[1], numbers[2]).c_str());
  return 0;
}
