#pragma once
// The test's own connection to the X server: finds the program's windows by
// title, makes the windows a desktop would have (a preview host, a "Display
// Properties" window), reads the screen, and sends real input with xdotool.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "program_process.h"

typedef struct _XDisplay Display;

namespace aerolark::program_test {

using XWindow = unsigned long;

struct Rgb {
  int r = 0, g = 0, b = 0;
};

// Colours as the 16-bit frame can hold them, within `tolerance` per channel.
bool Near(Rgb a, Rgb b, int tolerance);

struct Picture {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // top row first
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // Saves as PNG (through ImageMagick) for a person to look at.
  bool SavePng(const std::filesystem::path& path) const;
};

// A picture file read through ImageMagick; nullopt when it cannot be read.
std::optional<Picture> ReadPictureFile(const std::filesystem::path& path);

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  int centreX() const { return x + width / 2; }
  int centreY() const { return y + height / 2; }
};

class XSession {
 public:
  XSession();  // opens $DISPLAY
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool connected() const { return display_ != nullptr; }
  int screenWidth() const;
  int screenHeight() const;

  // Viewable windows anywhere below the root whose name is exactly `title`.
  std::vector<XWindow> WindowsTitled(const std::string& title);
  std::optional<XWindow> WaitForWindow(const std::string& title, milliseconds timeout);
  std::string NameOf(XWindow window);
  // What a window manager's close button does: asks the window's owner to close it.
  void AskToClose(XWindow window);
  // Where the window stands on the screen.
  Box Geometry(XWindow window);
  // The children of `parent` that are mapped.
  std::vector<XWindow> MappedChildren(XWindow parent);
  bool RootHasProperty(const std::string& name);

  // A mapped top-level window at (x, y), already on the screen when this returns.
  XWindow CreateWindow(const std::string& title, int x, int y, int width, int height);
  void DestroyWindow(XWindow window);

  // From now on, windows that other clients create or map below the root are noted.
  void WatchTopLevel();
  // The number of top-level windows created or mapped since WatchTopLevel.
  int TopLevelChangesSinceWatch();

  // The window's (or with 0 the whole screen's) current content.
  Picture Grab(XWindow window = 0);

 private:
  Display* display_ = nullptr;
};

// Real input through the XTest extension, as a user's keyboard and mouse.
// Each returns when xdotool has handed the event to the server.
bool PressKey(const std::string& key);
bool Click(int button = 1);
bool MovePointerTo(int x, int y);

}  // namespace aerolark::program_test
