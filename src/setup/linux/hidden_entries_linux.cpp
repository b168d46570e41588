#include "setup/hidden_entries.h"

namespace aerolark {

// Names starting with a dot are hidden on this system.
bool IsHiddenEntry(const std::filesystem::directory_entry& entry) {
  return entry.path().filename().native().starts_with('.');
}

}  // namespace aerolark
