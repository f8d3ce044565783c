// The version line of the version window, from the three version numbers.
#pragma once

#include <string>

namespace lotwheel {

// "Version:" + major + "." + minor (at least two digits) + "." + revision (at
// least four digits), zero-padded on the left; longer numbers are kept whole.
std::string VersionLine(int major, int minor, int revision);

}  // namespace lotwheel
