// The artwork in ui/art/, by file name; each frontend builds it in.
#pragma once

#include <string_view>

namespace lotwheel::ui {

enum class Art { kNone, kAppIcon, kGroupBanner, kLabelBanner, kHandPointer };

constexpr std::string_view ArtFile(Art art) {
  switch (art) {
    case Art::kAppIcon:
      return "lotwheel.ico";
    case Art::kGroupBanner:
      return "banner_group.bmp";
    case Art::kLabelBanner:
      return "banner_label.bmp";
    case Art::kHandPointer:
      return "hand.cur";
    case Art::kNone:
      break;
  }
  return {};
}

}  // namespace lotwheel::ui
