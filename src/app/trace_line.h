#pragma once
// One line of the trace file: a kind letter, then TAB-separated fields.
// In text fields TAB, newline and backslash are written \t, \n and \\.

#include <cstdint>
#include <string>
#include <string_view>

namespace aerolark {

class TraceLine {
 public:
  explicit TraceLine(char kind) : text_(1, kind) {}
  TraceLine& Text(std::string_view field);
  TraceLine& Number(std::int64_t field);
  TraceLine& Flag(bool field);  // True or False
  TraceLine& Result() { return Text("="); }
  // The line without its final newline.
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

// A call line: `C <operation> <args...>`.
inline TraceLine CallLine(std::string_view operation) {
  TraceLine line('C');
  line.Text(operation);
  return line;
}

}  // namespace aerolark
