#include "setup/folder_listing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace aerolark {
namespace {

namespace fs = std::filesystem;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  auto less = [](char x, char y) { return Lower(x) < Lower(y); };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less)) return false;
  return a < b;
}

// Names starting with a dot are hidden on this system.
bool IsHidden(const std::string& name) { return name.starts_with('.'); }

enum class EntryKind { File, Folder };

// The visible entries of `folder` of one kind, following links, sorted.
std::vector<std::string> Entries(const std::string& folder, EntryKind kind) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::string name = it->path().filename().string();
    if (IsHidden(name)) continue;
    std::error_code statusError;
    bool wanted = kind == EntryKind::File ? it->is_regular_file(statusError)
                                          : it->is_directory(statusError);
    if (wanted && !statusError) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::string ParentOf(const std::string& path) { return fs::path(path).parent_path().string(); }

std::string NameOf(const std::string& path) {
  std::string name = fs::path(path).filename().string();
  return name.empty() ? path : name;
}

}  // namespace

std::string AbsoluteFolder(const std::string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  std::string tidy = (error ? fs::path(path) : absolute).lexically_normal().string();
  while (tidy.size() > 1 && tidy.back() == fs::path::preferred_separator) tidy.pop_back();
  return tidy;
}

bool CanRead(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return false;
  fs::directory_iterator it(folder, error);
  return !error;
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
    tree.inside.push_back({child, (fs::path(folder) / child).string()});
  }
  return tree;
}

}  // namespace aerolark
