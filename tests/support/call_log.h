#pragma once
// One ordered log of trace lines, written by the program's trace wrappers
// around the stubs, so that expected call sequences read like a trace.

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "app/trace_sink.h"

namespace aerolark::testing {

class CallLog final : public TraceSink {
 public:
  void Write(const TraceLine& line) override { lines_.push_back(line.str()); }

  const std::vector<std::string>& lines() const { return lines_; }
  // The lines whose leading fields are `prefix`, such as "C\tNewSprite" or
  // "C\tDrawSprite\t1" (which does not match "C\tDrawSprite\t12").
  std::vector<std::string> Starting(std::string_view prefix) const {
    std::vector<std::string> found;
    std::ranges::copy_if(lines_, std::back_inserter(found), [prefix](std::string_view line) {
      return line.starts_with(prefix) && (line.size() == prefix.size() || line[prefix.size()] == '\t');
    });
    return found;
  }
  std::size_t Count(std::string_view prefix) const { return Starting(prefix).size(); }
  // Lines from index `from` on.
  std::vector<std::string> From(std::size_t from) const {
    return {lines_.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines_.size())), lines_.end()};
  }

 private:
  std::vector<std::string> lines_;
};

// Joins fields with TABs: Join({"C", "FillScreen", "0"}) == "C\tFillScreen\t0".
inline std::string Join(std::initializer_list<std::string> fields) {
  std::string text;
  for (const std::string& field : fields) {
    if (!text.empty()) text += '\t';
    text += field;
  }
  return text;
}

}  // namespace aerolark::testing
