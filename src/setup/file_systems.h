#pragma once
// The chooser's "drives": one per mounted file system, its mount point
// standing for the drive's root folder.

#include <QString>
#include <functional>
#include <vector>

namespace aerolark {

struct FileSystem {
  QString root;  // the mount point, an absolute path
  QString name;  // what the drive list shows beside the root (may be empty)
};

using FileSystemSource = std::function<std::vector<FileSystem>()>;

// The machine's mounted file systems, sorted by mount point.
std::vector<FileSystem> MountedFileSystems();

// Index of the file system holding `path`: the one whose root is the longest
// leading folder of it; -1 when none is.
int FileSystemOf(const std::vector<FileSystem>& fileSystems, const QString& path);

// The text the drive list shows for a file system.
QString DriveText(const FileSystem& fileSystem);

}  // namespace aerolark
