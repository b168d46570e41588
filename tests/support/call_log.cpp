#include "support/call_log.h"

namespace aerolark::testing {

std::vector<std::string> CallLog::Starting(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : lines_) {
    std::string_view view(line);
    bool fieldsMatch = view.substr(0, prefix.size()) == prefix &&
                       (view.size() == prefix.size() || view[prefix.size()] == '\t');
    if (fieldsMatch) found.push_back(line);
  }
  return found;
}

std::vector<std::string> CallLog::From(std::size_t from) const {
  if (from >= lines_.size()) return {};
  return std::vector<std::string>(lines_.begin() + static_cast<std::ptrdiff_t>(from),
                                  lines_.end());
}

std::string Join(std::initializer_list<std::string> fields) {
  std::string text;
  for (const std::string& field : fields) {
    if (!text.empty()) text += '\t';
    text += field;
  }
  return text;
}

}  // namespace aerolark::testing
