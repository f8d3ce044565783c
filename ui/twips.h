// Control geometry as the windows are designed: in twips, 15 to a pixel at
// 96 dots per inch. Qt's high-DPI scaling then scales each window as one.
#pragma once

#include <QRect>

namespace lotwheel {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel; no designed size falls on a half pixel.
constexpr int PixelsFromTwips(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect RectFromTwips(int left, int top, int width, int height) {
  return QRect(PixelsFromTwips(left), PixelsFromTwips(top),
               PixelsFromTwips(width), PixelsFromTwips(height));
}

}  // namespace lotwheel
