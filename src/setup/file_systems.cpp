#include "setup/file_systems.h"

namespace aerolark {
namespace {

bool IsInside(const std::string& path, const std::string& root) {
  if (root == "/") return path.starts_with('/');
  return path == root || path.starts_with(root + '/');
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
