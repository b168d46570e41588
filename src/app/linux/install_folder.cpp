#include "app/install_folder.h"

#include <system_error>

namespace aerolark {

std::string InstallFolderFor(const std::filesystem::path& programPath) {
  std::filesystem::path bin = programPath.parent_path();
  std::filesystem::path folder = bin.parent_path() / "share" / "aerolark";
  return folder.string() + "/";
}

std::filesystem::path OwnProgramPath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

}  // namespace aerolark
