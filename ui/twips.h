// Control geometry as the windows are designed: in twips, 1/1440 inch, which
// is 15 twips to a pixel at 96 dots per inch.
#pragma once

namespace lotwheel::ui {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// A rectangle in twips, relative to the client area of its parent.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// twips x dpi / 1440, rounded to the nearest pixel (halves away from zero),
// so that 96 dpi gives the designed sizes and 144 dpi one and a half times
// them.
constexpr int PixelsFromTwips(int twips, int dpi = kDefaultDpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                      : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace lotwheel::ui
