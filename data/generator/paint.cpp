#include "paint.h"

#include <cmath>

namespace aerolark::art {

Colour Mix(Colour a, Colour b, double t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Lighter(Colour c, double amount) { return Mix(c, Colour{255, 255, 255}, amount); }

Colour Darker(Colour c, double amount) { return Mix(c, Colour{0, 0, 0}, amount); }

void SetColour(cairo_t* cr, Colour c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, alpha);
}

void FillAndOutline(cairo_t* cr, Colour fill, double lineWidth) {
  SetColour(cr, fill);
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(fill, 0.65));
  cairo_set_line_width(cr, lineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void SetVerticalGradient(cairo_t* cr, double y0, Colour top, double y1, Colour bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void SelectFont(cairo_t* cr, double size, Weight weight, bool serif) {
  cairo_select_font_face(cr, serif ? "Liberation Serif" : "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                         weight == Weight::Bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

void TextCentred(cairo_t* cr, const std::string& text, double cx, double y) {
  cairo_move_to(cr, cx - TextWidth(cr, text) / 2, y);
  cairo_show_text(cr, text.c_str());
}

cairo_surface_t* NewTransparentSurface(int width, int height) {
  return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

}  // namespace aerolark::art
