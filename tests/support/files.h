#pragma once
// Files for tests that set up or inspect what a run leaves: a temporary
// folder of their own, and whole files as text.

#include <filesystem>
#include <string>

namespace aerolark::testing {

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  explicit TempFolder(const std::string& stem = "aerolark-test");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `name` in the folder, as a string.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The file's bytes; empty when it cannot be read.
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

}  // namespace aerolark::testing
