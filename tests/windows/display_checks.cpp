// The GDI windows and their loop: frames raised and shown, letterboxed;
// keys and a close request end it; one covering window per monitor. Real
// pointer and button input is sent to the whole saver (windows_saver_test.sh).

#include "platform/win32/windows_api.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "checks.h"
#include "drivers/software/pixel_format.h"
#include "drivers/win32/win32_display.h"
#include "support/scripted_sink.h"

namespace aerolark::wintest {
namespace {

const Colour kSkyBlue = PackColour(0, 226, 251);
const Colour kYellow = PackColour(255, 255, 0);

bool Near(Colour a, Colour b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 8) return false;
  }
  return true;
}

std::string Hex(Colour colour) {
  std::ostringstream text;
  text << std::hex << colour;
  return text.str();
}

// The visible top-level windows of this thread.
std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

Colour ShownAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return PackColour(GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
}

// Checks that (x, y) shows `want`, give or take the 16-bit frame's rounding.
void CheckShown(Checks& checks, HWND window, int x, int y, Colour want, const std::string& what) {
  const Colour got = ShownAt(window, x, y);
  checks.That(Near(got, want), what + " at " + std::to_string(x) + "," + std::to_string(y) +
                                   ": " + Hex(got) + ", not " + Hex(want));
}

std::vector<std::uint32_t> Capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  HDC dc = GetDC(window);
  BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> captured(pixels, pixels + client.right * client.bottom);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return captured;
}

// What the window shows after presenting only the changed parts, against
// what it shows when it repaints itself whole from the same frame: any seam
// or stale trail differs.
void CheckPartsMatchWhole(Checks& checks, HWND window) {
  const std::vector<std::uint32_t> parts = Capture(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const std::vector<std::uint32_t> whole = Capture(window);
  std::size_t differing = 0;
  for (std::size_t i = 0; i < parts.size() && i < whole.size(); ++i) {
    differing += parts[i] != whole[i] ? 1 : 0;
  }
  checks.That(!parts.empty() && parts.size() == whole.size() && differing == 0,
              "presenting the changed parts shows what a whole repaint shows (" +
                  std::to_string(differing) + " pixels differ)");
}

// The scene of every check: sky, the sprites, a clock.
void DrawScene(DrawingControl& drawing, const std::vector<SpriteId>& sprites) {
  drawing.FillScreen(kSkyBlue);
  for (const SpriteId sprite : sprites) drawing.DrawSprite(sprite);
  drawing.SetFont("Arial", 40, 1, false, false, false);
  drawing.DrawText("12:34", 600, 20, kYellow);
  drawing.FlipScreen();
}

SpriteId LoadQuad(SoftwareCompositor& drawing, const std::string& samples) {
  const SpriteId sprite = drawing.NewSprite();
  drawing.LoadSprite(sprite, 1, samples + "quad.bmp", kKeyOpaque);
  drawing.SetSpriteX(sprite, 100);
  drawing.SetSpriteY(sprite, 100);
  return sprite;
}

void CheckWindowed(Checks& checks, const std::string& samples) {
  Win32Display display({.windowed = true, .monitors = {}, .statsPath = {}});
  SoftwareCompositor& drawing = display.drawing();
  if (!checks.That(drawing.OpenScreen(800, 600, 16, ""), "a window opens")) return;
  const std::vector<HWND> windows = ThreadWindows();
  if (!checks.That(windows.size() == 1, "one window")) return;
  RECT client{};
  GetClientRect(windows[0], &client);
  checks.That(client.right == 800 && client.bottom == 600, "its inside is 800 x 600");
  testing::ScriptedSink sink(5000, [&, quad = LoadQuad(drawing, samples)](int frame) {
    DrawScene(drawing, {quad});
    if (frame != 400) return;
    // Long since presented: the frame as shown, pixel for pixel.
    CheckShown(checks, windows[0], 400, 300, kSkyBlue, "the fill");
    CheckShown(checks, windows[0], 101, 101, PackColour(255, 0, 0), "the picture's red");
    CheckShown(checks, windows[0], 106, 101, PackColour(0, 255, 0), "the picture's lime");
    CheckShown(checks, windows[0], 101, 106, PackColour(0, 0, 255), "the picture's blue");
    PostMessageW(windows[0], WM_KEYDOWN, VK_SPACE, 0);
  });
  display.RunEvents(sink);
  // Input is taken between bursts: the frames due with the 400th still run.
  checks.That(sink.keys == 1 && sink.frames >= 400 && sink.frames < 460,
              "a key ends the loop after the burst it came in");
  checks.That(sink.ticks >= 1, "a second tick within 400 frames");

  // A close request is a key; the loop runs again on the same windows.
  testing::ScriptedSink closing(5000, [&](int frame) {
    DrawScene(drawing, {});
    if (frame == 5) PostMessageW(windows[0], WM_CLOSE, 0, 0);
  });
  display.RunEvents(closing);
  checks.That(closing.keys == 1 && closing.frames < 100, "closing the window is a key");
}

// Two monitors side by side, each 512 x 768: a window covers each, the frame
// letterboxed in it with bars above and below.
void CheckCovering(Checks& checks, const std::string& samples) {
  Win32Display display({.windowed = false,
                        .monitors = {{0, 0, 512, 768}, {512, 0, 512, 768}},
                        .statsPath = {}});
  SoftwareCompositor& drawing = display.drawing();
  if (!checks.That(drawing.OpenScreen(800, 600, 16, ""), "covering windows open")) return;
  const std::vector<HWND> windows = ThreadWindows();
  if (!checks.That(windows.size() == 2, "one window per monitor")) return;
  for (HWND window : windows) {
    RECT area{};
    GetWindowRect(window, &area);
    checks.That(area.right - area.left == 512 && area.bottom - area.top == 768 &&
                    (area.left == 0 || area.left == 512) && area.top == 0,
                "a window covers its monitor");
    checks.That((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, "top-most");
  }
  const SpriteId quad = LoadQuad(drawing, samples);
  testing::ScriptedSink sink(5000, [&](int frame) {
    DrawScene(drawing, {quad});
    // Moving, so that each present shows a few changed parts scaled down.
    drawing.MoveSpriteX(quad, 3);
    if (frame % 2 == 0) drawing.MoveSpriteY(quad, 1);
    if (frame != 100) return;
    for (HWND window : windows) {
      CheckPartsMatchWhole(checks, window);
      CheckShown(checks, window, 256, 100, 0, "the bar above");
      CheckShown(checks, window, 256, 700, 0, "the bar below");
      CheckShown(checks, window, 256, 384, kSkyBlue, "the frame's middle");
    }
    PostMessageW(windows[1], WM_KEYDOWN, 'A', 0);
  });
  display.RunEvents(sink);
  checks.That(sink.keys == 1, "a key on the second monitor ends the loop");
}

}  // namespace

void CheckDisplayEvents(Checks& checks, const std::string& samples) {
  CheckWindowed(checks, samples);
  CheckCovering(checks, samples);
}

}  // namespace aerolark::wintest
