#pragma once
// Decoding picture files is the backend's library's job (SDL2_image on
// Linux, WIC on Windows); the compositor asks through this.

#include <optional>
#include <string>

#include "render/contract_types.h"

namespace aerolark {

class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  // The BMP, GIF, JPEG or PNG picture at `path`. Nothing when the file is
  // missing, not a regular file, of another kind, beyond the picture limits
  // (see ReadCheckedPictureFile, which every decoder applies first) or does
  // not decode.
  virtual std::optional<StillPicture> Decode(const std::string& path) = 0;
};

}  // namespace aerolark
