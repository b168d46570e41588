#pragma once
// Finds the font file for a face name, as the desktop does (fontconfig), so
// that "Arial" finds its metric twin Liberation Sans.

#include <optional>
#include <string>

#include "drivers/software/lru_cache.h"

namespace aerolark {

struct FontFile {
  std::string path;
  int index = 0;  // face within a collection file
  bool operator==(const FontFile&) const = default;
};

class FontFinder {
 public:
  FontFinder() : found_(64) {}
  // The best file for `name`; fontconfig falls back to the default face when
  // no font has that name. Nothing only when no font is installed at all.
  std::optional<FontFile> Find(const std::string& name);
  // The default sans face.
  std::optional<FontFile> DefaultSans() { return Find("sans-serif"); }

 private:
  LruCache<std::string, std::optional<FontFile>> found_;
};

}  // namespace aerolark
