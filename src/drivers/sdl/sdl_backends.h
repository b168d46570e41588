#pragma once
// The Linux backends built on SDL2 and its companion libraries, as the
// start-up chooses them. Nothing here needs an SDL header.

#include <memory>

#include "assets/sound_control.h"
#include "drivers/software/picture_decoder.h"
#include "drivers/software/text_rasteriser.h"

namespace aerolark {

// Pictures through SDL2_image.
std::unique_ptr<PictureDecoder> CreateSdlPictureDecoder();
// Text through SDL2_ttf, faces found by name with fontconfig.
std::unique_ptr<TextRasteriser> CreateTtfTextRasteriser();
// Pictures and text as the program decodes and draws them on Linux.
struct SdlCodecs {
  std::unique_ptr<PictureDecoder> pictures = CreateSdlPictureDecoder();
  std::unique_ptr<TextRasteriser> text = CreateTtfTextRasteriser();
};

// A sound control that holds the audio device only while a sound plays.
class SdlSoundControl : public SoundControl {
 public:
  // Lets the device go once no sound has played for a moment; called
  // regularly on the thread that plays, where a short wait harms nothing.
  virtual void CloseDeviceIfSilent() = 0;
};

// Sound through SDL_mixer; null when there is no audio device or sound
// server (the caller then chooses silence).
std::unique_ptr<SdlSoundControl> OpenSdlSoundPlayer();

}  // namespace aerolark
