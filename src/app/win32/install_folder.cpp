#include "app/install_folder.h"

#include "platform/win32/windows_api.h"

#include "settings/utf16.h"

namespace aerolark {

// On Windows the built-in files lie beside the program, so an unpacked
// folder works wherever it is.
std::string InstallFolderFor(const std::filesystem::path& programPath) {
  const std::wstring native = programPath.parent_path().native();
  std::string folder = Utf8FromUtf16(std::u16string(native.begin(), native.end()));
  if (folder.empty() || folder.back() != '\\') folder += '\\';  // a drive's root has one
  return folder;
}

std::filesystem::path OwnProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::filesystem::path();
    if (length < path.size()) {
      path.resize(length);
      return std::filesystem::path(path);
    }
    path.resize(path.size() * 2);  // cut short: a longer path
  }
}

}  // namespace aerolark
