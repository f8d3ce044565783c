// Reads the count text that the user types before a draw.
#pragma once

#include <optional>
#include <string_view>

namespace lotwheel {

class CountReader final {
 public:
  // The number in text, or nothing when text is no number. Blanks (space,
  // tab, U+3000) may stand around it; full-width digits, point, signs and
  // exponent letters count as their ASCII forms. A magnitude beyond double
  // range reads as an infinity, one too small for a double as zero.
  static std::optional<double> Read(std::u16string_view text);
};

}  // namespace lotwheel
