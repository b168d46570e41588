// The settings file as a hand editor may leave it: parsing never crashes,
// and a value written into any file reads back identical while every other
// entry keeps its value.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/setting_keys.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace aerolark;
  if (size < 1) return 0;
  // First byte: which key is written; the rest is split at the first NUL into
  // the file's text and the value written.
  const SettingDeclaration& target = SettingDeclarations()[data[0] % kSettingCount];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::size_t split = rest.find('\0');
  std::string_view fileText = rest.substr(0, split);
  std::string_view value = split == std::string_view::npos ? rest : rest.substr(split + 1);

  Require(DecodeValue(EncodeValue(value)) == value);

  IniDocument original = IniDocument::Parse(fileText);
  IniDocument edited = IniDocument::Parse(fileText);
  edited.Set(target.section, target.name, value);
  IniDocument reread = IniDocument::Parse(edited.Serialize());
  Require(reread.Find(target.section, target.name) == std::string(value));
  // The defaults writer's spelling addresses the same value.
  Require(reread.Find(target.section, target.writerName) == std::string(value));

  for (const SettingDeclaration& other : SettingDeclarations()) {
    if (other.key == target.key) continue;
    Require(reread.Find(other.section, other.name) == original.Find(other.section, other.name));
  }
  // A second write over the rewritten file changes nothing else either.
  reread.Set(target.section, target.name, "x");
  Require(IniDocument::Parse(reread.Serialize()).Find(target.section, target.name) == "x");
  return 0;
}
