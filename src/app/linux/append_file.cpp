#include "app/append_file.h"

namespace aerolark {

std::FILE* OpenForAppend(const std::string& path) { return std::fopen(path.c_str(), "ae"); }

}  // namespace aerolark
