#include "app/trace_line.h"

namespace aerolark {

TraceLine& TraceLine::Text(std::string_view field) {
  text_.push_back('\t');
  for (char c : field) {
    switch (c) {
      case '\t': text_ += "\\t"; break;
      case '\n': text_ += "\\n"; break;
      case '\\': text_ += "\\\\"; break;
      default: text_.push_back(c); break;
    }
  }
  return *this;
}

TraceLine& TraceLine::Number(std::int64_t field) {
  text_.push_back('\t');
  text_ += std::to_string(field);
  return *this;
}

TraceLine& TraceLine::Flag(bool field) {
  return Text(field ? "True" : "False");
}

}  // namespace aerolark
