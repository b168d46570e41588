#include "icon_art.h"

#include <cairo.h>

#include "file_formats.h"
#include "paint.h"
#include "small_pictures.h"

namespace aerolark::art {
namespace {

// The badge fills the icon but for a pixel's margin.
IconImage DrawIcon(int size) {
  cairo_surface_t* surface = NewTransparentSurface(size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size / 36.0, size / 36.0);
  DrawLarkBadge(cr, 18, 18);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
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
  WriteIco(path, {DrawIcon(16), DrawIcon(32), DrawIcon(48)});
}

}  // namespace aerolark::art
