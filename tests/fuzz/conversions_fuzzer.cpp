// The numeric, strict-integer and marker reads on any text, and the two
// roundings on any double: no crash, no undefined behaviour, and results that
// agree with each other.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#include "settings/conversions.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckRounding(double value) {
  const std::int16_t r16 = aerolark::RoundToInt16(value);
  const std::int32_t r32 = aerolark::RoundToInt32(value);
  if (std::isnan(value)) {
    Require(r16 == 0 && r32 == 0);
    return;
  }
  // The 16-bit result is the 32-bit one saturated further.
  const std::int32_t clamped = r32 < INT16_MIN ? INT16_MIN : r32 > INT16_MAX ? INT16_MAX : r32;
  Require(r16 == clamped);
  if (std::fabs(value) < 1e9) Require(std::fabs(static_cast<double>(r32) - value) <= 0.5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace aerolark;
  std::string_view text(reinterpret_cast<const char*>(data), size);

  const double numeric = NumericRead(text);
  Require(std::isfinite(numeric));
  CheckRounding(numeric);

  const auto whole = WholeNumber(text);
  if (whole) {
    Require(std::isfinite(*whole));
    // A text that is a whole number reads the same through the lenient read.
    Require(NumericRead(text) == *whole);
    Require(StrictIntegerRead(text) == RoundToInt16(*whole));
    Require(MarkerRead(text) == (*whole != 0.0));
  } else {
    Require(!StrictIntegerRead(text).has_value());
  }
  (void)MarkerRead(text);

  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckRounding(raw);
  }
  CheckRounding(std::numeric_limits<double>::infinity());
  CheckRounding(-std::numeric_limits<double>::infinity());
  return 0;
}
