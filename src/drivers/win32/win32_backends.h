#pragma once
// The Windows backends built on the system's own libraries (WIC, GDI,
// winmm), as the start-up chooses them. Nothing here needs a Windows header.

#include <memory>

#include "assets/sound_control.h"
#include "drivers/software/picture_decoder.h"
#include "drivers/software/text_rasteriser.h"

namespace aerolark {

// Pictures (BMP, GIF, JPEG, PNG) through WIC, after the checks every decoder
// makes. Starts COM on the calling thread for its lifetime (apartment-
// threaded, unless the thread has started it already), so it is used on the
// thread that creates it; it decodes nothing when WIC cannot start.
std::unique_ptr<PictureDecoder> CreateWicPictureDecoder();
// Text through GDI, faces found by name as GDI's font mapper finds them.
std::unique_ptr<TextRasteriser> CreateGdiTextRasteriser();
// Sound through winmm's wave-out device, held only while a sound plays (it
// needs no loop chore: each sound closes its device when it has played);
// null when the system has no wave-out device (the caller then chooses
// silence).
std::unique_ptr<SoundControl> OpenWaveOutSoundPlayer();

}  // namespace aerolark
