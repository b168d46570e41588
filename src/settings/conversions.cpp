#include "settings/conversions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace aerolark {
namespace {

bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `text` that is a decimal number:
// optional sign, digits with an optional fraction, optional exponent.
std::size_t NumberPrefixLength(const std::string& text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  if (i < text.size() && text[i] == '.') {
    std::size_t afterPoint = i + 1;
    std::size_t fraction = 0;
    while (afterPoint < text.size() && IsDigit(text[afterPoint])) { ++afterPoint; ++fraction; }
    if (digits + fraction > 0) { i = afterPoint; digits += fraction; }
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t exponentDigits = 0;
    while (j < text.size() && IsDigit(text[j])) { ++j; ++exponentDigits; }
    if (exponentDigits > 0) i = j;
  }
  return i;
}

// For a number (as NumberPrefixLength takes it) beyond a double's range:
// whether it is too large rather than too small, i.e. whether its first
// significant digit, moved by the exponent, stands before the point.
bool TooLargeForDouble(std::string_view number) {
  const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, exponentAt);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return false;
  const long long place = first < point ? static_cast<long long>(point - first) - 1
                                        : -static_cast<long long>(first - point);
  std::string_view exponent = number.substr(std::min(exponentAt + 1, number.size()));
  if (!exponent.empty() && exponent.front() == '+') exponent.remove_prefix(1);
  long long shift = 0;
  const auto read = std::from_chars(exponent.data(), exponent.data() + exponent.size(), shift);
  if (read.ec == std::errc::result_out_of_range) return exponent.front() != '-';
  return place + shift >= 0;
}

// from_chars, not strtod: the program runs under the user's locale (for the
// clock), and strtod there stops at the point where a comma is the decimal
// separator. Stored numbers read the same everywhere.
double ParseFinite(std::string_view number) {
  const bool negative = number.front() == '-';
  const std::string_view magnitude = number.substr(number.front() == '+' || negative ? 1 : 0);
  double value = 0.0;
  const auto read = std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), value);
  if (read.ec == std::errc::result_out_of_range) {
    if (!TooLargeForDouble(magnitude)) return negative ? -0.0 : 0.0;
    return negative ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
  }
  return negative ? -value : value;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsIgnoredBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIgnoredBlank(text.back())) text.remove_suffix(1);
  return text;
}

template <typename Int>
Int RoundSaturating(double value) {
  if (std::isnan(value)) return 0;
  double rounded = std::nearbyint(value);  // the default rounding mode takes halves to even
  if (rounded <= static_cast<double>(std::numeric_limits<Int>::min())) {
    return std::numeric_limits<Int>::min();
  }
  if (rounded >= static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::numeric_limits<Int>::max();
  }
  return static_cast<Int>(rounded);
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

double NumericRead(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsIgnoredBlank(c)) compact.push_back(c);
  }
  std::size_t length = NumberPrefixLength(compact);
  if (length == 0) return 0.0;
  return ParseFinite(compact.substr(0, length));
}

std::optional<double> WholeNumber(std::string_view text) {
  std::string trimmed(TrimBlanks(text));
  if (trimmed.empty() || NumberPrefixLength(trimmed) != trimmed.size()) return std::nullopt;
  return ParseFinite(trimmed);
}

std::optional<std::int16_t> StrictIntegerRead(std::string_view text) {
  std::optional<double> number = WholeNumber(text);
  if (!number) return std::nullopt;
  return RoundToInt16(*number);
}

bool MarkerRead(std::string_view text) {
  std::string_view trimmed = TrimBlanks(text);
  if (EqualsIgnoringCase(trimmed, "True")) return true;
  if (EqualsIgnoringCase(trimmed, "False")) return false;
  std::optional<double> number = WholeNumber(trimmed);
  return number.has_value() && *number != 0.0;
}

bool SwitchOn(std::string_view text) {
  std::optional<double> number = WholeNumber(text);
  return number.has_value() && *number == 1;
}

std::int16_t RoundToInt16(double value) { return RoundSaturating<std::int16_t>(value); }
std::int32_t RoundToInt32(double value) { return RoundSaturating<std::int32_t>(value); }

}  // namespace aerolark
