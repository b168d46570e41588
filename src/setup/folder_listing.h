#pragma once
// What the chooser lists of a folder, read from the file system. A folder
// that cannot be read lists nothing.

#include <string>
#include <vector>

#include "setup/dialog_view.h"

namespace aerolark {

// `path` made absolute and tidied: no ".", "..", doubled or trailing separator.
std::string AbsoluteFolder(const std::string& path);

// True when the folder exists and its entries can be listed, also when it
// has none.
bool CanRead(const std::string& folder);

// Whether a file name matches a pattern "*<ending>", without regard to case;
// "*" matches every name.
bool MatchesPattern(const std::string& name, const std::string& pattern);

// The folder's ordinary files (no hidden ones, no folders, no devices) that
// match `pattern`, names only, sorted without regard to case.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// The folder list from `root` down to `folder`, and `folder`'s own folders
// (no hidden ones), sorted without regard to case.
FolderTree ListFolders(const std::string& folder, const std::string& root);

}  // namespace aerolark
