#include "drivers/sdl/font_finder.h"

#include <fontconfig/fontconfig.h>

namespace aerolark {
namespace {

std::optional<FontFile> Match(const std::string& name) {
  // The name is a family name as it stands; parsing it as a pattern would
  // read '-' and ':' in it as size and properties.
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;
  std::optional<FontFile> found;
  FcChar8* file = nullptr;
  int index = 0;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    found = FontFile{reinterpret_cast<const char*>(file), index};
  }
  FcPatternDestroy(match);
  return found;
}

}  // namespace

std::optional<FontFile> FontFinder::Find(const std::string& name) {
  if (const auto* known = found_.Find(name)) return *known;
  auto found = Match(name);
  if (!found && name != "sans-serif") found = Match("sans-serif");
  return found_.Put(name, found);
}

}  // namespace aerolark
