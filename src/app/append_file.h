#pragma once
// Opens a file (UTF-8 path) for appending bytes as they are: no line-end
// translation, not inherited by programs this one starts. Null on failure.

#include <cstdio>
#include <string>

namespace aerolark {

std::FILE* OpenForAppend(const std::string& path);

}  // namespace aerolark
