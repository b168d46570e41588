#include "app/append_file.h"

#include <optional>

#include "settings/utf16.h"

namespace aerolark {

// Binary, so the trace's lines end in \n alone.
std::FILE* OpenForAppend(const std::string& path) {
  std::optional<std::u16string> wide = Utf16FromUtf8(path);
  if (!wide) return nullptr;
  return _wfopen(reinterpret_cast<const wchar_t*>(wide->c_str()), L"ab");
}

}  // namespace aerolark
