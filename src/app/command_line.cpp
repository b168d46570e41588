#include "app/command_line.h"

#include <cctype>
#include <optional>

#include "settings/conversions.h"

namespace aerolark {

std::string ArgumentText(const std::vector<std::string>& arguments) {
  std::string text;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (i > 1) text.push_back(' ');
    text += arguments[i];
  }
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  std::size_t last = text.find_last_not_of(" \t");
  text = text.substr(first, last - first + 1);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string_view SwitchOf(std::string_view argumentText) { return argumentText.substr(0, 2); }

Mode ModeOf(std::string_view switchText) {
  if (switchText.empty() || switchText == "/s") return Mode::Saver;
  if (switchText == "/p") return Mode::Preview;
  if (switchText == "/c") return Mode::Configuration;
  if (switchText == "/a") return Mode::Password;
  return Mode::None;
}

Mode ModeOfArgumentText(std::string_view argumentText) {
  if (argumentText.starts_with("--window-id") || argumentText.starts_with("-window-id")) {
    return Mode::Saver;
  }
  return ModeOf(SwitchOf(argumentText));
}

namespace {

// Reading a text backwards, where a whole decimal number (sign, digits,
// fraction, exponent) can still begin.
enum class Tail {
  kNone,        // nothing read yet
  kDigits,      // trailing digits: a number, or an exponent's digits
  kSignedTail,  // sign before trailing digits: a number, or an exponent's sign
  kExponent,    // e or E before them: a mantissa must come before
  kMantissa,    // digits of a mantissa before an exponent: a number
  kEndPoint,    // the text ends in a point: digits must come before
  kPointSeen,   // a point with digits after it: a number
  kWhole,       // digits before the point: a number
  kSign,        // the leading sign of a number: nothing may come before
  kDead,
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsExponent(char c) { return c == 'e' || c == 'E'; }

Tail Before(Tail tail, char c) {
  switch (tail) {
    case Tail::kNone:
      return IsDigit(c) ? Tail::kDigits : c == '.' ? Tail::kEndPoint : Tail::kDead;
    case Tail::kDigits:
      if (IsDigit(c)) return Tail::kDigits;
      if (c == '.') return Tail::kPointSeen;
      if (IsSign(c)) return Tail::kSignedTail;
      return IsExponent(c) ? Tail::kExponent : Tail::kDead;
    case Tail::kSignedTail:
      return IsExponent(c) ? Tail::kExponent : Tail::kDead;
    case Tail::kExponent:
      return IsDigit(c) ? Tail::kMantissa : c == '.' ? Tail::kEndPoint : Tail::kDead;
    case Tail::kMantissa:
      if (IsDigit(c)) return Tail::kMantissa;
      if (c == '.') return Tail::kPointSeen;
      return IsSign(c) ? Tail::kSign : Tail::kDead;
    case Tail::kEndPoint:
      return IsDigit(c) ? Tail::kWhole : Tail::kDead;
    case Tail::kPointSeen:
    case Tail::kWhole:
      if (IsDigit(c)) return Tail::kWhole;
      return IsSign(c) ? Tail::kSign : Tail::kDead;
    case Tail::kSign:
    case Tail::kDead:
      return Tail::kDead;
  }
  return Tail::kDead;
}

bool IsNumber(Tail tail) {
  return tail == Tail::kDigits || tail == Tail::kSignedTail || tail == Tail::kMantissa ||
         tail == Tail::kPointSeen || tail == Tail::kWhole || tail == Tail::kSign;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

// One backward pass finds the longest suffix that is a number: trying every
// suffix from the front took time growing with the square of the length,
// minutes for a command line of a few hundred kilobytes.
std::int32_t ParentWindowOf(std::string_view argumentText) {
  std::size_t end = argumentText.size();
  while (end > 0 && IsBlank(argumentText[end - 1])) --end;
  std::optional<std::size_t> longest;
  Tail tail = Tail::kNone;
  for (std::size_t at = end; at > 0 && tail != Tail::kDead; --at) {
    tail = Before(tail, argumentText[at - 1]);
    if (IsNumber(tail)) longest = at - 1;
  }
  if (!longest) return 0;
  std::optional<double> number = WholeNumber(argumentText.substr(*longest));
  return number ? RoundToInt32(*number) : 0;
}

}  // namespace aerolark
