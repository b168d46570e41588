#pragma once
// A frame written out as a PNG file, for tools and tests that look at what
// the saver drew without a display.

#include <string>

#include "drivers/software/frame_buffer.h"

namespace aerolark {

// False when the frame is empty or the file cannot be written.
bool SavePng(const FrameBuffer& frame, const std::string& path);

}  // namespace aerolark
