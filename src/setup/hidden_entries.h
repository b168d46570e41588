#pragma once
// Which folder entries the chooser leaves out as hidden: the system's own
// rule (a leading dot on Linux, the hidden and system attributes on Windows).

#include <filesystem>

namespace aerolark {

bool IsHiddenEntry(const std::filesystem::directory_entry& entry);

}  // namespace aerolark
