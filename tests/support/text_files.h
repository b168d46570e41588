#pragma once
// Whole files as text and fresh folders, for tests that set up or inspect
// what a run leaves.

#include <filesystem>
#include <string>

namespace aerolark::testing {

// The file's bytes; empty when it cannot be read.
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

// A fresh folder under the system's temporary folder; removed by the caller.
std::filesystem::path MakeTempFolder(const std::string& stem);

}  // namespace aerolark::testing
