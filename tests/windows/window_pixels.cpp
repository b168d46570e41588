#include "window_pixels.h"

#include <cstdlib>
#include <sstream>

namespace aerolark::wintest {
namespace {

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

}  // namespace

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

}  // namespace aerolark::wintest
