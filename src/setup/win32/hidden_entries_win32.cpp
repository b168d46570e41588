#include "platform/win32/windows_api.h"

#include "setup/hidden_entries.h"

namespace aerolark {

// Hidden and system files are what Explorer leaves out by default.
bool IsHiddenEntry(const std::filesystem::directory_entry& entry) {
  const DWORD attributes = GetFileAttributesW(entry.path().c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

}  // namespace aerolark
