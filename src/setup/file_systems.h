#pragma once
// The chooser's "drives": one per mounted file system, its mount point
// standing for the drive's root folder.

#include <functional>
#include <string>
#include <vector>

namespace aerolark {

struct FileSystem {
  std::string root;  // the mount point, an absolute path
  std::string name;  // what the drive list shows beside the root (may be empty)
};

using FileSystemSource = std::function<std::vector<FileSystem>()>;

// Index of the file system holding `path`: the one whose root is the longest
// leading folder of it; -1 when none is.
int FileSystemOf(const std::vector<FileSystem>& fileSystems, const std::string& path);

// The text the drive list shows for a file system.
std::string DriveText(const FileSystem& fileSystem);

}  // namespace aerolark
