#include "app/environment_variable.h"

#include <cstdlib>

namespace aerolark {

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace aerolark
