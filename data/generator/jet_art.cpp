#include "jet_art.h"

#include <cmath>

#include "paint.h"

namespace aerolark::art {
namespace {

constexpr Colour kSkin = Rgb8(206, 212, 222);
constexpr Colour kTrim = Rgb8(200, 34, 44);
constexpr Colour kNavy = Rgb8(34, 50, 100);
constexpr Colour kGlass = Rgb8(90, 150, 200);
constexpr Colour kNozzle = Rgb8(70, 70, 80);
// The sink of one pixel for seven across, as an angle.
const double kNoseDown = std::atan2(1.0, 7.0);

void Flame(cairo_t* cr) {
  cairo_move_to(cr, 26, 34);
  cairo_curve_to(cr, 14, 34, 4, 38, -6, 40);
  cairo_curve_to(cr, 4, 42, 14, 46, 26, 46);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(-6, 0, 26, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.35, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.75, 0.25);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Ellipse(cr, 20, 40, 9, 3.2);
  SetColour(cr, Rgb8(255, 246, 200));
  cairo_fill(cr);
}

void FuselagePath(cairo_t* cr) {
  cairo_move_to(cr, 270, 41);
  cairo_curve_to(cr, 250, 31, 222, 28, 196, 28);
  cairo_line_to(cr, 64, 30);
  cairo_line_to(cr, 30, 33);
  cairo_line_to(cr, 30, 47);
  cairo_line_to(cr, 64, 50);
  cairo_line_to(cr, 196, 51);
  cairo_curve_to(cr, 226, 51, 252, 47, 270, 41);
  cairo_close_path(cr);
}

void Polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
  for (auto [x, y] : points) cairo_line_to(cr, x, y);
  cairo_close_path(cr);
}

// Streaks of torn air left behind: a cartoon's shorthand for speed.
void SpeedLines(cairo_t* cr) {
  const double lines[][3] = {{18, -22, 60}, {28, -14, 44}, {52, -30, 40}, {60, -4, 30}};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const auto& l : lines) {
    cairo_move_to(cr, l[1], l[0]);
    cairo_line_to(cr, l[1] + l[2], l[0]);
    SetColour(cr, Rgb8(250, 244, 236));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void DrawJetFacingRight(cairo_t* cr) {
  SpeedLines(cr);
  Polygon(cr, {{74, 31}, {44, 3}, {30, 3}, {36, 32}});  // fin
  FillAndOutline(cr, Darker(kSkin, 0.08));
  Polygon(cr, {{60, 3}, {44, 3}, {47, 6}, {63, 6}});  // fin tip flash
  SetColour(cr, kTrim);
  cairo_fill(cr);
  Flame(cr);
  RoundedRectangle(cr, 24, 33, 12, 14, 2);  // nozzle
  FillAndOutline(cr, kNozzle);
  FuselagePath(cr);
  SetVerticalGradient(cr, 28, Lighter(kSkin, 0.5), 51, Darker(kSkin, 0.25));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  Polygon(cr, {{30, 40}, {262, 38}, {262, 42}, {30, 43}});  // cheat line
  SetColour(cr, kTrim);
  cairo_fill(cr);
  Polygon(cr, {{248, 30}, {272, 30}, {272, 52}, {252, 52}});  // dark nose cone
  SetColour(cr, kNavy);
  cairo_fill(cr);
  cairo_restore(cr);
  FuselagePath(cr);
  SetColour(cr, Darker(kSkin, 0.6));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, 200, 36);  // intake, raked back
  cairo_curve_to(cr, 190, 36, 180, 39, 174, 45);
  cairo_line_to(cr, 200, 46);
  cairo_close_path(cr);
  FillAndOutline(cr, Rgb8(50, 52, 62), 1.0);
  cairo_move_to(cr, 120, 31);  // panel lines
  cairo_line_to(cr, 120, 49);
  cairo_move_to(cr, 166, 30);
  cairo_line_to(cr, 166, 50);
  SetColour(cr, Darker(kSkin, 0.3));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 206, 29);  // canopy
  cairo_curve_to(cr, 212, 16, 232, 15, 246, 31);
  cairo_close_path(cr);
  SetVerticalGradient(cr, 16, Lighter(kGlass, 0.6), 30, Darker(kGlass, 0.3));
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(kGlass, 0.6));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  Ellipse(cr, 224, 25, 4.5, 5);  // the pilot's helmet
  SetColour(cr, Rgb8(236, 236, 240));
  cairo_fill(cr);
  cairo_rectangle(cr, 225, 23, 4.5, 3);
  SetColour(cr, Rgb8(40, 40, 50));
  cairo_fill(cr);
  cairo_move_to(cr, 214, 24);  // glint
  cairo_curve_to(cr, 218, 19, 226, 19, 232, 22);
  SetColour(cr, Rgb8(250, 252, 255));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  Polygon(cr, {{166, 44}, {110, 46}, {74, 66}, {92, 66}});  // swept wing
  FillAndOutline(cr, Darker(kSkin, 0.12));
  Polygon(cr, {{96, 62}, {74, 66}, {92, 66}, {104, 62}});  // wing tip flash
  SetColour(cr, kTrim);
  cairo_fill(cr);
  Polygon(cr, {{66, 41}, {40, 52}, {30, 52}, {42, 41}});  // tailplane
  FillAndOutline(cr, Darker(kSkin, 0.12));
}

}  // namespace

Raster MakeJetSprite() {
  constexpr double kScale = 0.9;
  cairo_surface_t* surface = NewTransparentSurface(320, 130);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, 160, 65);
  cairo_rotate(cr, -kNoseDown);  // with the mirror below: nose (left) down
  cairo_scale(cr, -kScale, kScale);
  cairo_translate(cr, -121, -35);
  DrawJetFacingRight(cr);
  cairo_destroy(cr);
  Raster raster = CropSprite(FlattenSprite(surface), 1);
  cairo_surface_destroy(surface);
  return raster;
}

}  // namespace aerolark::art
