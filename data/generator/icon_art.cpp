#include "icon_art.h"

#include <cairo.h>

#include <filesystem>
#include <stdexcept>

#include "file_formats.h"
#include "paint.h"
#include "small_pictures.h"

namespace aerolark::art {
namespace {

// The badge fills the icon but for a pixel's margin. The caller destroys the
// surface.
cairo_surface_t* DrawIcon(int size) {
  cairo_surface_t* surface = NewTransparentSurface(size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size / 36.0, size / 36.0);
  DrawLarkBadge(cr, 18, 18);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

IconImage IconPicture(int size) {
  cairo_surface_t* surface = DrawIcon(size);
  IconImage image{size, {}};
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < size; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    image.premultipliedArgb.insert(image.premultipliedArgb.end(), row, row + size);
  }
  cairo_surface_destroy(surface);
  return image;
}

}  // namespace

void WriteProgramIcon(const std::string& path) {
  WriteIco(path, {IconPicture(16), IconPicture(32), IconPicture(48)});
}

void WriteDesktopIcons(const std::string& folder) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path apps = std::filesystem::path(folder) / name / "apps";
    std::filesystem::create_directories(apps);
    const std::string path = (apps / "aerolark.png").string();
    cairo_surface_t* surface = DrawIcon(size);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
      throw std::runtime_error("cannot write " + path + ": " + cairo_status_to_string(status));
    }
  }
}

}  // namespace aerolark::art
