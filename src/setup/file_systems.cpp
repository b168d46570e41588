#include "setup/file_systems.h"

#include <filesystem>

namespace aerolark {
namespace {

// "/", and on Windows "\\" too.
bool IsSeparator(char c) {
  return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
}

// A root that ends with a separator ("/", "C:\\") holds every path that
// starts with it; any other holds itself and what lies below it.
bool IsInside(const std::string& path, const std::string& root) {
  if (root.empty()) return false;
  if (IsSeparator(root.back())) return path.starts_with(root) || path + root.back() == root;
  return path == root || (path.starts_with(root) && IsSeparator(path[root.size()]));
}

}  // namespace

int FileSystemOf(const std::vector<FileSystem>& fileSystems, const std::string& path) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(fileSystems.size()); ++i) {
    const std::string& root = fileSystems[i].root;
    if (!IsInside(path, root)) continue;
    if (best < 0 || root.size() > fileSystems[best].root.size()) best = i;
  }
  return best;
}

std::string DriveText(const FileSystem& fileSystem) {
  if (fileSystem.name.empty()) return fileSystem.root;
  return fileSystem.root + "  [" + fileSystem.name + "]";
}

}  // namespace aerolark
