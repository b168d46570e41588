#include "hostile/hostile_values.h"

namespace aerolark::hostile {

std::vector<HostileValue> HostileValues() {
  return {
      {"empty", ""},
      {"letters", "abc"},
      {"blanks_around", " 3 "},
      {"fraction", "3.5"},
      {"minus_zero", "-0"},
      {"huge_exponent", "1e400"},
      {"huge_negative_exponent", "-1e400"},
      {"eleven_digits", "99999999999"},
      {"nan", "NaN"},
      {"basic_hex", "&H10"},
      {"long_text", std::string(100000, 'W')},
      {"invalid_utf8", "\xff\xfe\xc3\x28 \xe2\x82"},
      {"newline_raw", "4\n5", true},
      {"newline_quoted", "4\n5"},
  };
}

void CopyInstallFolder(const std::filesystem::path& folder) {
  std::filesystem::copy(AEROLARK_SHARE_DIR, folder,
                        std::filesystem::copy_options::recursive |
                            std::filesystem::copy_options::overwrite_existing);
}

}  // namespace aerolark::hostile
