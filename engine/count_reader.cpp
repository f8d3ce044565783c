// Reads the count text that the user types before a draw.
#include "engine/count_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace lotwheel {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

// Folds the full-width forms that Japanese input methods type into ASCII;
// any other character outside ASCII becomes 0, which no rule accepts.
char Fold(char16_t c) {
  if (c >= u'０' && c <= u'９') return static_cast<char>('0' + (c - u'０'));
  switch (c) {
    case u'．':
      return '.';
    case u'＋':
      return '+';
    case u'－':
      return '-';
    case u'ｅ':
      return 'e';
    case u'Ｅ':
      return 'E';
    default:
      return c < 0x80 ? static_cast<char>(c) : '\0';
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number's pieces after the grammar check, in plain ASCII.
struct Pieces {
  bool negative = false;
  std::string digits;  // integer and fraction digits, point removed
  int64_t point = 0;   // how many of the digits stand before the point
  int64_t exponent = 0;
};

// Saturates far beyond any double exponent so that no sum below overflows.
constexpr int64_t kExponentCap = 1'000'000'000;

std::optional<Pieces> Split(const std::string& s) {
  Pieces p;
  size_t at = 0;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
    p.negative = s[at] == '-';
    ++at;
  }
  size_t int_digits = 0;
  while (at < s.size() && IsDigit(s[at])) {
    p.digits.push_back(s[at++]);
    ++int_digits;
  }
  p.point = static_cast<int64_t>(int_digits);
  size_t frac_digits = 0;
  if (at < s.size() && s[at] == '.') {
    ++at;
    while (at < s.size() && IsDigit(s[at])) {
      p.digits.push_back(s[at++]);
      ++frac_digits;
    }
  }
  if (int_digits + frac_digits == 0) return std::nullopt;
  if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
    ++at;
    bool exp_negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
      exp_negative = s[at] == '-';
      ++at;
    }
    if (at == s.size() || !IsDigit(s[at])) return std::nullopt;
    while (at < s.size() && IsDigit(s[at])) {
      p.exponent = std::min(kExponentCap, p.exponent * 10 + (s[at++] - '0'));
    }
    if (exp_negative) p.exponent = -p.exponent;
  }
  if (at != s.size()) return std::nullopt;
  return p;
}

// Magnitude of a number whose digits are not all zero but that double can't
// hold: infinity when too large, zero when too small. The decimal exponent
// of the leading digit tells which; the two ranges lie hundreds apart.
double OutOfRange(const Pieces& p) {
  int64_t lead = 0;
  while (p.digits[static_cast<size_t>(lead)] == '0') ++lead;
  int64_t leading_exponent = p.exponent + p.point - lead - 1;
  return leading_exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

std::optional<double> CountReader::Read(std::u16string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;

  std::string ascii;
  ascii.reserve(last - first);
  for (size_t i = first; i < last; ++i) {
    char c = Fold(text[i]);
    if (c == '\0') return std::nullopt;
    ascii.push_back(c);
  }
  std::optional<Pieces> pieces = Split(ascii);
  if (!pieces) return std::nullopt;

  // from_chars reads the C locale's form whatever locale the program runs in;
  // it is fed a canonical text: digits, point, exponent, no sign. The
  // leading zero changes no value and gives ".5" a digit before the point.
  const auto point = static_cast<size_t>(pieces->point);
  std::string canonical = "0";
  canonical.append(pieces->digits, 0, point);
  canonical.push_back('.');
  canonical.append(pieces->digits, point);
  canonical.push_back('e');
  canonical.append(std::to_string(pieces->exponent));

  double magnitude = 0.0;
  auto [end, error] = std::from_chars(
      canonical.data(), canonical.data() + canonical.size(), magnitude);
  if (error == std::errc::result_out_of_range) {
    magnitude = OutOfRange(*pieces);
  } else if (error != std::errc() ||
             end != canonical.data() + canonical.size()) {
    return std::nullopt;
  }
  return pieces->negative ? -magnitude : magnitude;
}

}  // namespace lotwheel
