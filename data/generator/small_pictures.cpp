#include "small_pictures.h"

#include <cairo.h>

#include <cmath>

#include "biplane_art.h"
#include "paint.h"
#include "sunset_art.h"

namespace aerolark::art {
namespace {

constexpr int kLogoWidth = 196, kLogoHeight = 60;
constexpr int kPreviewWidth = 153, kPreviewHeight = 115;
constexpr Colour kBadgeNavy = Rgb8(20, 30, 70);
constexpr Colour kBadgeGold = Rgb8(232, 184, 64);
constexpr Colour kBadgeCream = Rgb8(250, 242, 220);

// The badge, and a wing stretching back from it.
void LogoEmblem(cairo_t* cr, double cx, double cy) {
  for (int i = 0; i < 4; ++i) {  // feathers of the wing, left of the disc
    const double y = cy - 8 + i * 5;
    const double length = 24 - i * 5;
    RoundedRectangle(cr, cx - 14 - length, y, length + 8, 4, 2);
    SetColour(cr, Mix(kBadgeGold, kBadgeCream, i * 0.18));
    cairo_fill(cr);
  }
  DrawLarkBadge(cr, cx, cy);
}

cairo_surface_t* RenderScene(double planeScale) {
  cairo_surface_t* scene = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSceneWidth, kSceneHeight);
  cairo_t* cr = cairo_create(scene);
  DrawSunset(cr);
  struct Place { double x, y; int number; };
  const Place places[] = {{20, 50, 1}, {440, 210, 2}, {90, 390, 5}};
  for (const Place& p : places) {
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_scale(cr, planeScale, planeScale);
    DrawBiplane(cr, kLiveries.at(p.number - 1), p.number, p.number % 2 == 0);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  return scene;
}

}  // namespace

// A gold disc of radius 17 with a lark in flight.
void DrawLarkBadge(cairo_t* cr, double cx, double cy) {
  Ellipse(cr, cx, cy, 17, 17);
  SetVerticalGradient(cr, cy - 17, Lighter(kBadgeGold, 0.4), cy + 17, Darker(kBadgeGold, 0.25));
  cairo_fill(cr);
  Ellipse(cr, cx, cy, 13.5, 13.5);
  SetColour(cr, kBadgeNavy);
  cairo_fill(cr);
  cairo_move_to(cr, cx - 10, cy + 1);  // the lark: swept wings, forked tail
  cairo_curve_to(cr, cx - 5, cy - 8, cx + 1, cy - 9, cx + 3, cy - 3);
  cairo_line_to(cr, cx + 10, cy - 5);
  cairo_line_to(cr, cx + 5, cy);
  cairo_curve_to(cr, cx + 2, cy + 5, cx - 3, cy + 6, cx - 6, cy + 9);
  cairo_line_to(cr, cx - 5, cy + 3);
  cairo_close_path(cr);
  SetColour(cr, kBadgeCream);
  cairo_fill(cr);
}

Raster MakeLogoPicture() {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kLogoWidth, kLogoHeight);
  cairo_t* cr = cairo_create(surface);
  SetVerticalGradient(cr, 0, Rgb8(36, 50, 104), kLogoHeight, kBadgeNavy);
  cairo_paint(cr);
  cairo_rectangle(cr, 1.5, 1.5, kLogoWidth - 3, kLogoHeight - 3);
  SetColour(cr, kBadgeGold);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  LogoEmblem(cr, 50, 30);
  cairo_select_font_face(cr, "Liberation Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 30);
  cairo_move_to(cr, 74, 40);
  cairo_text_path(cr, "Aerolark");
  SetColour(cr, kBadgeCream);
  cairo_fill(cr);
  cairo_destroy(cr);
  Raster raster = FlattenOpaque(surface);
  cairo_surface_destroy(surface);
  return raster;
}

Raster MakePreviewPicture() {
  // Planes drawn larger than life so they still read at a fifth of the size.
  cairo_surface_t* scene = RenderScene(1.3);
  cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPreviewWidth, kPreviewHeight);
  cairo_t* cr = cairo_create(small);
  cairo_scale(cr, double(kPreviewWidth) / kSceneWidth, double(kPreviewHeight) / kSceneHeight);
  cairo_set_source_surface(cr, scene, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
  cairo_paint(cr);
  cairo_destroy(cr);
  Raster raster = FlattenOpaque(small);
  cairo_surface_destroy(small);
  cairo_surface_destroy(scene);
  return raster;
}

}  // namespace aerolark::art
