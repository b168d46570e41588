#include "x_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace aerolark::program_test {
namespace {

// The program's windows come and go while the tree is walked; a window that
// vanished in between is no failure of the test.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

int ChannelOf(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = __builtin_ctzl(mask);
  int bits = __builtin_popcountl(mask);
  unsigned long value = (pixel & mask) >> shift;
  return bits >= 8 ? static_cast<int>(value >> (bits - 8))
                   : static_cast<int>(value * 255 / ((1ul << bits) - 1));
}

}  // namespace

bool Near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

bool Picture::SavePng(const std::filesystem::path& path) const {
  std::filesystem::create_directories(path.parent_path());
  const std::filesystem::path raw = path.string() + ".ppm";
  {
    std::ofstream out(raw, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (const Rgb& p : pixels) {
      const char bytes[3] = {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b)};
      out.write(bytes, 3);
    }
  }
  const bool saved = Run("convert " + Quoted(raw.string()) + " " + Quoted(path.string()));
  std::filesystem::remove(raw);
  return saved;
}

std::optional<Picture> ReadPictureFile(const std::filesystem::path& path) {
  const std::string size = [&] {
    std::string text;
    FILE* pipe = popen(("identify -format '%w %h' " + Quoted(path.string()) + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[64];
    while (fgets(buffer, sizeof buffer, pipe)) text += buffer;
    pclose(pipe);
    return text;
  }();
  Picture picture;
  if (std::sscanf(size.c_str(), "%d %d", &picture.width, &picture.height) != 2) return std::nullopt;
  FILE* pipe = popen(("convert " + Quoted(path.string()) + " -depth 8 rgb:- 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::vector<unsigned char> bytes(static_cast<std::size_t>(picture.width) * picture.height * 3);
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), pipe);
  pclose(pipe);
  if (got != bytes.size()) return std::nullopt;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    picture.pixels.push_back(Rgb{bytes[i], bytes[i + 1], bytes[i + 2]});
  }
  return picture;
}

XSession::XSession() : display_(XOpenDisplay(nullptr)) {
  XSetErrorHandler(IgnoreXError);
}

XSession::~XSession() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

int XSession::screenWidth() const { return DisplayWidth(display_, DefaultScreen(display_)); }
int XSession::screenHeight() const { return DisplayHeight(display_, DefaultScreen(display_)); }

// The window's title as a window manager would show it: the UTF-8 name that
// toolkits set, else the classic one.
std::string XSession::NameOf(XWindow window) {
  Atom property = XInternAtom(display_, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display_, window, property, 0, 1024, False, utf8, &type, &format, &count,
                         &remaining, &data) == Success &&
      data != nullptr && type == utf8 && format == 8) {
    name.assign(reinterpret_cast<char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  if (!name.empty()) return name;
  char* classic = nullptr;
  if (XFetchName(display_, window, &classic) && classic != nullptr) {
    name = classic;
    XFree(classic);
  }
  return name;
}

void XSession::AskToClose(XWindow window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XSync(display_, False);
}

std::vector<XWindow> XSession::WindowsTitled(const std::string& title) {
  std::vector<XWindow> found;
  std::vector<Window> pending{DefaultRootWindow(display_)};
  while (!pending.empty()) {
    Window parent = pending.back();
    pending.pop_back();
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, parent, &root, &up, &children, &count)) continue;
    for (unsigned int i = 0; i < count; ++i) {
      pending.push_back(children[i]);
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(display_, children[i], &attributes) &&
          attributes.map_state == IsViewable && NameOf(children[i]) == title) {
        found.push_back(children[i]);
      }
    }
    if (children != nullptr) XFree(children);
  }
  return found;
}

std::optional<XWindow> XSession::WaitForWindow(const std::string& title, milliseconds timeout) {
  std::optional<XWindow> window;
  WaitUntil(
      [&] {
        std::vector<XWindow> windows = WindowsTitled(title);
        if (!windows.empty()) window = windows.front();
        return window.has_value();
      },
      timeout);
  return window;
}

Box XSession::Geometry(XWindow window) {
  Box box;
  XWindowAttributes attributes{};
  Window child = 0;
  if (!XGetWindowAttributes(display_, window, &attributes)) return box;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &box.x, &box.y,
                        &child);
  box.width = attributes.width;
  box.height = attributes.height;
  return box;
}

std::vector<XWindow> XSession::MappedChildren(XWindow parent) {
  std::vector<XWindow> mapped;
  Window root = 0, up = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display_, parent, &root, &up, &children, &count)) return mapped;
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_, children[i], &attributes) &&
        attributes.map_state != IsUnmapped) {
      mapped.push_back(children[i]);
    }
  }
  if (children != nullptr) XFree(children);
  return mapped;
}

bool XSession::RootHasProperty(const std::string& name) {
  Atom property = XInternAtom(display_, name.c_str(), True);
  if (property == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const bool read = XGetWindowProperty(display_, DefaultRootWindow(display_), property, 0, 1, False,
                                       AnyPropertyType, &type, &format, &count, &remaining,
                                       &data) == Success;
  if (data != nullptr) XFree(data);
  return read && type != None;
}

XWindow XSession::CreateWindow(const std::string& title, int x, int y, int width, int height) {
  const int screen = DefaultScreen(display_);
  Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), x, y,
                                      static_cast<unsigned>(width), static_cast<unsigned>(height),
                                      0, BlackPixel(display_, screen), WhitePixel(display_, screen));
  XStoreName(display_, window, title.c_str());
  XSelectInput(display_, window, StructureNotifyMask);
  XMapWindow(display_, window);
  for (XEvent event;;) {
    XWindowEvent(display_, window, StructureNotifyMask, &event);
    if (event.type == MapNotify) break;
  }
  XSync(display_, False);
  return window;
}

void XSession::DestroyWindow(XWindow window) {
  XDestroyWindow(display_, window);
  XSync(display_, False);
}

void XSession::WatchTopLevel() {
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  XSync(display_, True);  // forget what happened before
}

int XSession::TopLevelChangesSinceWatch() {
  XSync(display_, False);
  int changes = 0;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == CreateNotify || event.type == MapNotify) ++changes;
  }
  return changes;
}

Picture XSession::Grab(XWindow window) {
  Picture picture;
  Window target = window != 0 ? window : DefaultRootWindow(display_);
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display_, target, &attributes)) return picture;
  XImage* image = XGetImage(display_, target, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return picture;
  picture.width = attributes.width;
  picture.height = attributes.height;
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  Visual* visual = attributes.visual;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      unsigned long pixel = XGetPixel(image, x, y);
      picture.pixels.push_back(Rgb{ChannelOf(pixel, visual->red_mask),
                                   ChannelOf(pixel, visual->green_mask),
                                   ChannelOf(pixel, visual->blue_mask)});
    }
  }
  XDestroyImage(image);
  return picture;
}

bool PressKey(const std::string& key) { return Run("xdotool key " + Quoted(key)); }
bool Click(int button) { return Run("xdotool click " + std::to_string(button)); }
bool MovePointerTo(int x, int y) {
  return Run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

}  // namespace aerolark::program_test
