#include "setup/file_systems.h"

#include <QStorageInfo>
#include <algorithm>

namespace aerolark {
namespace {

bool IsInside(const QString& path, const QString& root) {
  if (root == QStringLiteral("/")) return path.startsWith('/');
  return path == root || path.startsWith(root + '/');
}

}  // namespace

std::vector<FileSystem> MountedFileSystems() {
  std::vector<FileSystem> result;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid()) continue;
    result.push_back({volume.rootPath(), volume.displayName() == volume.rootPath()
                                             ? QString::fromUtf8(volume.device())
                                             : volume.displayName()});
  }
  std::sort(result.begin(), result.end(),
            [](const FileSystem& a, const FileSystem& b) { return a.root < b.root; });
  return result;
}

int FileSystemOf(const std::vector<FileSystem>& fileSystems, const QString& path) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(fileSystems.size()); ++i) {
    const QString& root = fileSystems[i].root;
    if (!IsInside(path, root)) continue;
    if (best < 0 || root.size() > fileSystems[best].root.size()) best = i;
  }
  return best;
}

QString DriveText(const FileSystem& fileSystem) {
  if (fileSystem.name.isEmpty()) return fileSystem.root;
  return QStringLiteral("%1  [%2]").arg(fileSystem.root, fileSystem.name);
}

}  // namespace aerolark
