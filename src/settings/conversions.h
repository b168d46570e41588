#pragma once
// The conversions readers apply to stored texts.

#include <cstdint>
#include <optional>
#include <string_view>

namespace aerolark {

// The longest leading decimal number (sign, digits, fraction, exponent), with
// blanks, tabs and line feeds anywhere ignored; 0 when there is none.
// Never infinite: a number too large for a double reads as the largest one.
double NumericRead(std::string_view text);

// The whole text (blanks around allowed) as a number; nothing otherwise.
std::optional<double> WholeNumber(std::string_view text);

// The whole text as a number, rounded half to even, saturated to 16 bits;
// nothing when the text is not a number.
std::optional<std::int16_t> StrictIntegerRead(std::string_view text);

// "True" or "False" in any letter case, or a number (0 false); anything else false.
bool MarkerRead(std::string_view text);

// A switch stored as text (the aircraft, the background plane) is on only
// when it is the number 1; a text that is no number counts as off.
bool SwitchOn(std::string_view text);

// ASCII letters compared without regard to case, as key names are.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Rounding half to even, saturating instead of overflowing; NaN gives 0.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

}  // namespace aerolark
