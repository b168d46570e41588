#include "drivers/win32/frame_painting.h"

#include "drivers/software/letterbox.h"

namespace aerolark {
namespace {

// Screen pixels added around the part of the window a changed part of the
// frame maps to: GDI's sampling may round a pixel either way.
constexpr int kSamplingMargin = 2;

Box ClientLetterbox(HWND window, int frameWidth, int frameHeight) {
  RECT client{};
  GetClientRect(window, &client);
  return Letterbox(frameWidth, frameHeight, client.right, client.bottom);
}

// The window pixels that show `part` of the frame when it is scaled onto
// `target`, with a margin; within `target`.
Box ShownArea(const Box& part, int frameWidth, int frameHeight, const Box& target) {
  const auto scale = [](int at, int frameSide, int targetSide) {
    return static_cast<int>(static_cast<long long>(at) * targetSide / frameSide);
  };
  const Box area{
      target.left + scale(part.left, frameWidth, target.Width()) - kSamplingMargin,
      target.top + scale(part.top, frameHeight, target.Height()) - kSamplingMargin,
      target.left + scale(part.right, frameWidth, target.Width()) + 1 + kSamplingMargin,
      target.top + scale(part.bottom, frameHeight, target.Height()) + 1 + kSamplingMargin};
  return area.Intersection(target);
}

void FillBars(HDC dc, HWND window, const Box& target) {
  RECT client{};
  GetClientRect(window, &client);
  const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const RECT bars[] = {{0, 0, client.right, target.top},
                       {0, target.bottom, client.right, client.bottom},
                       {0, target.top, target.left, target.bottom},
                       {target.right, target.top, client.right, target.bottom}};
  for (const RECT& bar : bars) {
    if (bar.right > bar.left && bar.bottom > bar.top) FillRect(dc, &bar, black);
  }
}

// The whole frame stretched onto `target` through the clip `dc` holds.
void Stretch(HDC dc, const FrameDib& frame, const Box& target) {
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, target.left, target.top, target.Width(), target.Height(), frame.Dc(), 0, 0,
             frame.Width(), frame.Height(), SRCCOPY);
}

}  // namespace

void PaintWhole(HWND window, HDC dc, const FrameDib& frame) {
  const Box target = ClientLetterbox(window, frame.Width(), frame.Height());
  FillBars(dc, window, target);
  if (!target.Empty()) Stretch(dc, frame, target);
}

// The whole frame is stretched, clipped to the parts that changed: stretching
// each part alone would sample it afresh and leave seams where it meets what
// was shown before.
void PaintChanged(HWND window, HDC dc, const FrameDib& frame, const DamageList& changed) {
  const Box target = ClientLetterbox(window, frame.Width(), frame.Height());
  if (target.Empty() || changed.Empty()) return;
  RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  if (!clip) return;
  for (const Box& part : changed.Boxes()) {
    const Box area = ShownArea(part, frame.Width(), frame.Height(), target);
    if (area.Empty()) continue;
    RegionHandle box(CreateRectRgn(area.left, area.top, area.right, area.bottom));
    if (box) CombineRgn(clip.get(), clip.get(), box.get(), RGN_OR);
  }
  SelectClipRgn(dc, clip.get());
  Stretch(dc, frame, target);
  SelectClipRgn(dc, nullptr);
}

}  // namespace aerolark
