#pragma once
// The newest presented frame kept in a DIB section of the frame's own
// format (RGB565, as bit fields), selected into a memory device context, so
// GDI scales and converts it straight onto the windows.

#include "platform/win32/windows_api.h"

#include "drivers/software/frame_buffer.h"
#include "platform/win32/gdi_handles.h"

namespace aerolark {

class FrameDib {
 public:
  // Black. Check Valid(): GDI may be out of resources.
  FrameDib(int width, int height);
  ~FrameDib();
  FrameDib(const FrameDib&) = delete;
  FrameDib& operator=(const FrameDib&) = delete;

  bool Valid() const { return bits_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC Dc() const { return dc_.get(); }

  // Copies the `changed` parts of `frame` (of this size); null: all of it.
  void CopyFrom(const FrameBuffer& frame, const DamageList* changed);

 private:
  void CopyBox(const FrameBuffer& frame, const Box& part);

  int width_;
  int height_;
  int pitch_ = 0;  // bytes from one row to the next: DIB rows are padded to 4 bytes
  MemoryDc dc_;
  BitmapHandle bitmap_;
  HGDIOBJ previous_ = nullptr;  // what the memory DC held before the bitmap
  std::uint8_t* bits_ = nullptr;
};

}  // namespace aerolark
