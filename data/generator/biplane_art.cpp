#include "biplane_art.h"

#include <cmath>
#include <string>

namespace aerolark::art {
namespace {

constexpr Colour kTyre = Rgb8(40, 40, 46);
constexpr Colour kStrut = Rgb8(92, 64, 40);
constexpr Colour kWire = Rgb8(70, 70, 78);
constexpr Colour kPropWood = Rgb8(128, 80, 38);
constexpr Colour kEngineMetal = Rgb8(84, 86, 96);
constexpr Colour kGlass = Rgb8(186, 220, 236);
constexpr Colour kLeather = Rgb8(112, 70, 40);
constexpr Colour kSkin = Rgb8(238, 192, 150);

void FuselagePath(cairo_t* cr) {
  cairo_move_to(cr, 204, 35);
  cairo_curve_to(cr, 172, 30, 118, 32, 68, 40);
  cairo_line_to(cr, 16, 44);
  cairo_curve_to(cr, 11, 45, 11, 51, 16, 52);
  cairo_line_to(cr, 68, 56);
  cairo_curve_to(cr, 118, 66, 172, 68, 204, 66);
  cairo_close_path(cr);
}

void FinPath(cairo_t* cr) {
  cairo_move_to(cr, 52, 42);
  cairo_curve_to(cr, 42, 30, 34, 17, 22, 13);
  cairo_curve_to(cr, 12, 11, 8, 18, 9, 26);
  cairo_line_to(cr, 12, 46);
  cairo_close_path(cr);
}

// A slab wing: lit upper surface, shaded lower surface, round leading edge.
void Wing(cairo_t* cr, double x, double y, double chord, double thickness, Colour colour) {
  RoundedRectangle(cr, x, y, chord, thickness, thickness / 2);
  SetVerticalGradient(cr, y, Lighter(colour, 0.35), y + thickness, Darker(colour, 0.25));
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(colour, 0.65));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Rib lines hint at fabric stretched over a frame.
  SetColour(cr, Darker(colour, 0.18));
  cairo_set_line_width(cr, 0.8);
  for (double rx = x + 12; rx < x + chord - 8; rx += 12) {
    cairo_move_to(cr, rx, y + 2);
    cairo_line_to(cr, rx, y + thickness - 2);
  }
  cairo_stroke(cr);
}

void Strut(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, Darker(kStrut, 0.4));
  cairo_set_line_width(cr, width + 1.4);
  cairo_stroke_preserve(cr);
  SetColour(cr, kStrut);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Wire(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, kWire);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

void Tailplane(cairo_t* cr, const Livery& l) {
  FinPath(cr);
  SetColour(cr, l.tail);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, 24 - 7 * i, 0, 7, 50);  // stripes run front to back
    SetColour(cr, l.rudder[i]);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  FinPath(cr);
  SetColour(cr, Darker(l.tail, 0.65));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  Wing(cr, 4, 45, 44, 6, l.wings);
  cairo_move_to(cr, 28, 52);  // tail skid
  cairo_line_to(cr, 20, 60);
  SetColour(cr, kBlack);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void Insignia(cairo_t* cr, const Livery& l, double cx, double cy, double r) {
  Ellipse(cr, cx, cy, r, r);
  FillAndOutline(cr, l.outer, 1.0);
  switch (l.insignia) {
    case Insignia::Rings:
      Ellipse(cr, cx, cy, r * 0.68, r * 0.68);
      SetColour(cr, l.middle);
      cairo_fill(cr);
      Ellipse(cr, cx, cy, r * 0.36, r * 0.36);
      SetColour(cr, l.inner);
      cairo_fill(cr);
      break;
    case Insignia::Star:
      for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 == 0) ? r * 0.85 : r * 0.36;
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
      }
      cairo_close_path(cr);
      SetColour(cr, l.inner);
      cairo_fill_preserve(cr);
      SetColour(cr, l.middle);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
      break;
    case Insignia::Chequer: {
      cairo_save(cr);
      Ellipse(cr, cx, cy, r * 0.9, r * 0.9);
      cairo_clip(cr);
      const double s = r / 2.2;
      for (int i = -3; i < 3; ++i)
        for (int j = -3; j < 3; ++j)
          if ((i + j) % 2 == 0) cairo_rectangle(cr, cx + i * s, cy + j * s, s, s);
      SetColour(cr, l.inner);
      cairo_fill(cr);
      cairo_restore(cr);
      Ellipse(cr, cx, cy, r, r);
      SetColour(cr, l.middle);
      cairo_set_line_width(cr, 1.4);
      cairo_stroke(cr);
      break;
    }
    case Insignia::Lark:
      Ellipse(cr, cx, cy, r - 0.8, r - 0.8);
      SetColour(cr, l.middle);
      cairo_set_line_width(cr, 1.6);
      cairo_stroke(cr);
      // A bird with raised wings, seen from the front.
      cairo_move_to(cr, cx - r * 0.75, cy - r * 0.25);
      cairo_curve_to(cr, cx - r * 0.4, cy - r * 0.45, cx - r * 0.15, cy - r * 0.1, cx, cy + r * 0.25);
      cairo_curve_to(cr, cx + r * 0.15, cy - r * 0.1, cx + r * 0.4, cy - r * 0.45, cx + r * 0.75, cy - r * 0.25);
      cairo_curve_to(cr, cx + r * 0.4, cy - r * 0.1, cx + r * 0.15, cy + r * 0.3, cx, cy + r * 0.55);
      cairo_curve_to(cr, cx - r * 0.15, cy + r * 0.3, cx - r * 0.4, cy - r * 0.1, cx - r * 0.75, cy - r * 0.25);
      SetColour(cr, l.inner);
      cairo_fill(cr);
      break;
  }
}

void PlaneNumber(cairo_t* cr, const Livery& l, int number, double cx, double baseline, bool facingLeft) {
  cairo_save(cr);
  cairo_translate(cr, cx, baseline);
  if (facingLeft) cairo_scale(cr, -1, 1);  // undo the mirror so digits read normally
  SelectFont(cr, 18, Weight::Bold);
  const std::string text = std::to_string(number);
  cairo_move_to(cr, -TextWidth(cr, text) / 2, 0);
  cairo_text_path(cr, text.c_str());
  const bool darkBody = l.fuselage.r + l.fuselage.g + l.fuselage.b < 420;
  SetColour(cr, darkBody ? kWhite : kBlack);
  cairo_fill_preserve(cr);
  SetColour(cr, darkBody ? kBlack : kWhite);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Fuselage(cairo_t* cr, const Livery& l, int number, bool facingLeft) {
  FuselagePath(cr);
  SetVerticalGradient(cr, 32, Lighter(l.fuselage, 0.35), 68, Darker(l.fuselage, 0.3));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_move_to(cr, 10, 46);  // the band along the side
  cairo_line_to(cr, 206, 46);
  cairo_line_to(cr, 206, 53);
  cairo_line_to(cr, 10, 50);
  cairo_close_path(cr);
  SetColour(cr, l.stripe);
  cairo_fill(cr);
  cairo_restore(cr);
  FuselagePath(cr);
  SetColour(cr, Darker(l.fuselage, 0.65));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  Insignia(cr, l, 78, 47.5, 8);
  if (number > 0) PlaneNumber(cr, l, number, 105, 56, facingLeft);
}

void Pilot(cairo_t* cr, const Livery& l) {
  // The scarf streams back in the wind.
  cairo_move_to(cr, 146, 30);
  cairo_curve_to(cr, 134, 24, 124, 30, 110, 22);
  cairo_curve_to(cr, 106, 20, 104, 23, 100, 21);
  cairo_curve_to(cr, 106, 27, 112, 26, 118, 29);
  cairo_curve_to(cr, 128, 34, 136, 30, 146, 34);
  cairo_close_path(cr);
  FillAndOutline(cr, l.scarf, 0.9);
  Ellipse(cr, 149, 26, 6.5, 7);  // head
  FillAndOutline(cr, kSkin, 1.0);
  cairo_save(cr);
  Ellipse(cr, 149, 26, 6.5, 7);
  cairo_clip(cr);
  cairo_rectangle(cr, 140, 17, 18, 6);  // leather helmet
  cairo_rectangle(cr, 140, 17, 9, 18);
  SetColour(cr, kLeather);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_rectangle(cr, 142, 22.5, 12, 2.2);  // goggle strap
  SetColour(cr, Darker(kLeather, 0.4));
  cairo_fill(cr);
  Ellipse(cr, 154.5, 23.6, 2.6, 2.6);
  FillAndOutline(cr, kGlass, 1.0);
}

void Cockpit(cairo_t* cr, const Livery& l) {
  Ellipse(cr, 149, 33.5, 11, 2.8);
  SetColour(cr, Darker(l.fuselage, 0.75));
  cairo_fill(cr);
  Pilot(cr, l);
  cairo_move_to(cr, 159, 33);  // windscreen
  cairo_line_to(cr, 162, 24);
  cairo_line_to(cr, 166, 25);
  cairo_line_to(cr, 166, 33);
  cairo_close_path(cr);
  FillAndOutline(cr, kGlass, 0.9);
}

void Engine(cairo_t* cr, const Livery& l) {
  cairo_move_to(cr, 198, 33);
  cairo_line_to(cr, 211, 33);
  cairo_curve_to(cr, 222, 36, 222, 65, 211, 68);
  cairo_line_to(cr, 198, 68);
  cairo_close_path(cr);
  SetVerticalGradient(cr, 33, Lighter(kEngineMetal, 0.4), 68, Darker(kEngineMetal, 0.3));
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(kEngineMetal, 0.6));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  RoundedRectangle(cr, 207, 33.5, 9, 34, 4);  // the painted cowl ring
  SetVerticalGradient(cr, 33, Lighter(l.cowl, 0.3), 68, Darker(l.cowl, 0.3));
  cairo_fill(cr);
  cairo_move_to(cr, 202, 62);  // exhaust pipe
  cairo_line_to(cr, 180, 64.5);
  SetColour(cr, Rgb8(60, 56, 56));
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void Propeller(cairo_t* cr, const Livery& l) {
  // The blur of the turning disc, then one blade caught in the light.
  Ellipse(cr, 227, 50, 5, 44);
  SetColour(cr, Rgb8(214, 216, 222));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  for (double sign : {-1.0, 1.0}) {
    cairo_move_to(cr, 226, 50);
    cairo_curve_to(cr, 222, 50 + sign * 20, 224, 50 + sign * 38, 227, 50 + sign * 44);
    cairo_curve_to(cr, 231, 50 + sign * 38, 231, 50 + sign * 20, 228, 50);
    cairo_close_path(cr);
    FillAndOutline(cr, kPropWood, 0.9);
    cairo_save(cr);
    cairo_move_to(cr, 226, 50);
    cairo_curve_to(cr, 222, 50 + sign * 20, 224, 50 + sign * 38, 227, 50 + sign * 44);
    cairo_curve_to(cr, 231, 50 + sign * 38, 231, 50 + sign * 20, 228, 50);
    cairo_clip(cr);
    cairo_rectangle(cr, 218, sign > 0 ? 86 : 0, 16, 14);  // painted tips
    SetColour(cr, l.stripe);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  Ellipse(cr, 224, 50.5, 6, 7.5);  // spinner
  SetVerticalGradient(cr, 43, Lighter(l.stripe, 0.5), 58, Darker(l.stripe, 0.25));
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(l.stripe, 0.65));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void Undercarriage(cairo_t* cr, const Livery& l) {
  Strut(cr, 168, 66, 183, 84, 2.4);
  Strut(cr, 196, 64, 183, 84, 2.4);
  Ellipse(cr, 183, 85, 10.5, 10.5);
  FillAndOutline(cr, kTyre, 1.0);
  Ellipse(cr, 183, 85, 6.2, 6.2);
  SetColour(cr, Rgb8(196, 198, 206));
  cairo_fill(cr);
  Ellipse(cr, 183, 85, 3.2, 3.2);
  FillAndOutline(cr, l.cowl, 0.8);
}

}  // namespace

void DrawBiplane(cairo_t* cr, const Livery& l, int number, bool facingLeft) {
  cairo_save(cr);
  if (facingLeft) {
    cairo_translate(cr, kBiplaneWidth, 0);
    cairo_scale(cr, -1, 1);
  }
  Strut(cr, 170, 36, 176, 17, 2.2);  // cabane struts, behind the fuselage
  Strut(cr, 186, 36, 192, 17, 2.2);
  Wing(cr, 118, 8, 84, 10, l.wings);  // upper wing
  Undercarriage(cr, l);
  Wire(cr, 128, 18, 180, 64);  // bracing wires, seen past the fuselage
  Wire(cr, 184, 18, 126, 64);
  Tailplane(cr, l);
  Fuselage(cr, l, number, facingLeft);
  Cockpit(cr, l);
  Engine(cr, l);
  Wing(cr, 108, 64, 80, 9, l.wings);  // lower wing
  Strut(cr, 130, 17, 124, 65, 2.6);  // interplane struts
  Strut(cr, 186, 17, 180, 65, 2.6);
  Propeller(cr, l);
  cairo_restore(cr);
}

Raster MakeBiplaneSprite(int number) {
  const int width = static_cast<int>(kBiplaneWidth) + 2;
  const int height = static_cast<int>(kBiplaneHeight) + 2;
  cairo_surface_t* surface = NewTransparentSurface(width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, 1, 1);  // a clear margin keeps the top-left pixel transparent
  DrawBiplane(cr, kLiveries.at(number - 1), number, number % 2 == 0);
  cairo_destroy(cr);
  Raster raster = FlattenSprite(surface);
  cairo_surface_destroy(surface);
  return raster;
}

Raster MakeBackgroundBiplaneSprite() {
  constexpr double kScale = 0.46;
  constexpr Colour kHaze = Rgb8(222, 150, 150);  // the sunset air between us and it
  const int width = static_cast<int>(kBiplaneWidth * kScale) + 3;
  const int height = static_cast<int>(kBiplaneHeight * kScale) + 3;
  cairo_surface_t* surface = NewTransparentSurface(width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, 1, 1);
  cairo_scale(cr, kScale, kScale);
  DrawBiplane(cr, kLiveries[5], 0, true);
  cairo_identity_matrix(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);  // tint the plane only, not the air
  SetColour(cr, kHaze, 0.55);
  cairo_paint(cr);
  cairo_destroy(cr);
  Raster raster = FlattenSprite(surface);
  cairo_surface_destroy(surface);
  return raster;
}

}  // namespace aerolark::art
