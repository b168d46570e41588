#pragma once
// One variable of the program's environment, as UTF-8 text; unset reads
// empty. Each system reads its own way (Windows keeps UTF-16).

#include <string>

namespace aerolark {

std::string EnvironmentVariable(const char* name);

}  // namespace aerolark
