#include "setup/folder_listing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "setup/hidden_entries.h"
#include "settings/utf8_paths.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

bool IsSeparator(char c) {
  return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  auto less = [](char x, char y) { return Lower(x) < Lower(y); };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less)) return false;
  return a < b;
}

enum class EntryKind { File, Folder };

// The visible entries of `folder` of one kind, following links, sorted.
std::vector<std::string> Entries(const std::string& folder, EntryKind kind) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(PathFromUtf8(folder), fs::directory_options::skip_permission_denied,
                           error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    if (IsHiddenEntry(*it)) continue;
    std::string name = Utf8FromPath(it->path().filename());
    std::error_code statusError;
    bool wanted = kind == EntryKind::File ? it->is_regular_file(statusError)
                                          : it->is_directory(statusError);
    if (wanted && !statusError) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::string ParentOf(const std::string& path) {
  return Utf8FromPath(PathFromUtf8(path).parent_path());
}

std::string NameOf(const std::string& path) {
  std::string name = Utf8FromPath(PathFromUtf8(path).filename());
  return name.empty() ? path : name;
}

}  // namespace

std::string AbsoluteFolder(const std::string& path) {
  std::error_code error;
  const fs::path given = PathFromUtf8(path);
  fs::path absolute = fs::absolute(given, error);
  fs::path tidy = (error ? given : absolute).lexically_normal();
  // A root keeps its separator: "C:" alone would name the drive's current folder.
  const fs::path root = tidy.root_path();
  std::string text = Utf8FromPath(tidy);
  while (text.size() > Utf8FromPath(root).size() && IsSeparator(text.back())) text.pop_back();
  return text;
}

bool CanRead(const std::string& folder) {
  std::error_code error;
  const fs::path path = PathFromUtf8(folder);
  if (!fs::is_directory(path, error)) return false;
  fs::directory_iterator it(path, error);
  // A drive's root has no "." and ".." entries, so on Windows listing an
  // empty one (a blank USB stick) finds nothing and says "not found".
  return !error || error == std::errc::no_such_file_or_directory;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (!pattern.starts_with('*')) return name == pattern;
  const std::size_t ending = pattern.size() - 1;
  if (name.size() < ending) return false;
  return std::equal(pattern.begin() + 1, pattern.end(), name.end() - ending,
                    [](char a, char b) { return Lower(a) == Lower(b); });
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> files = Entries(folder, EntryKind::File);
  std::erase_if(files, [&](const std::string& name) { return !MatchesPattern(name, pattern); });
  return files;
}

FolderTree ListFolders(const std::string& folder, const std::string& root) {
  std::vector<std::string> chain;
  for (std::string step = folder;; step = ParentOf(step)) {
    chain.insert(chain.begin(), step);
    if (step == root || ParentOf(step) == step || ParentOf(step).empty()) break;
  }
  FolderTree tree;
  for (const std::string& step : chain) {
    tree.opened.push_back({tree.opened.empty() ? step : NameOf(step), step});
  }
  for (const std::string& child : Entries(folder, EntryKind::Folder)) {
    tree.inside.push_back({child, Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(child))});
  }
  return tree;
}

}  // namespace aerolark
