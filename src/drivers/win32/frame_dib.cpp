#include "drivers/win32/frame_dib.h"

#include <cstring>

namespace aerolark {
namespace {

// A top-down RGB565 bitmap: the header and its three colour masks.
struct Rgb565Info {
  BITMAPINFOHEADER header;
  DWORD masks[3];
};

Rgb565Info DescribeRgb565(int width, int height) {
  Rgb565Info info{};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = width;
  info.header.biHeight = -height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 16;
  info.header.biCompression = BI_BITFIELDS;
  info.masks[0] = 0xF800;
  info.masks[1] = 0x07E0;
  info.masks[2] = 0x001F;
  return info;
}

}  // namespace

FrameDib::FrameDib(int width, int height)
    : width_(width), height_(height), pitch_(((width * 2) + 3) & ~3),
      dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_ || width <= 0 || height <= 0) return;
  const Rgb565Info info = DescribeRgb565(width, height);
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), reinterpret_cast<const BITMAPINFO*>(&info),
                                 DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) return;
  previous_ = SelectObject(dc_.get(), bitmap_.get());
  bits_ = static_cast<std::uint8_t*>(bits);
  std::memset(bits_, 0, static_cast<std::size_t>(pitch_) * height);
}

FrameDib::~FrameDib() {
  // The bitmap cannot be deleted while the memory DC holds it.
  if (previous_) SelectObject(dc_.get(), previous_);
}

void FrameDib::CopyFrom(const FrameBuffer& frame, const DamageList* changed) {
  if (!bits_ || frame.Width() != width_ || frame.Height() != height_) return;
  // GDI may still be drawing from the bits with a batched call.
  GdiFlush();
  if (!changed) {
    CopyBox(frame, frame.Bounds());
    return;
  }
  for (const Box& part : changed->Boxes()) CopyBox(frame, part.Intersection(frame.Bounds()));
}

void FrameDib::CopyBox(const FrameBuffer& frame, const Box& part) {
  if (part.Empty()) return;
  const std::size_t bytes = static_cast<std::size_t>(part.Width()) * sizeof(Pixel565);
  for (int y = part.top; y < part.bottom; ++y) {
    std::memcpy(bits_ + static_cast<std::size_t>(y) * pitch_ + part.left * sizeof(Pixel565),
                frame.Row(y) + part.left, bytes);
  }
}

}  // namespace aerolark
