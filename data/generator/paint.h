#pragma once
// Small drawing helpers shared by the picture makers.

#include <cairo.h>

#include <string>

namespace aerolark::art {

// A colour in 0..255 per channel, as art is usually specified.
struct Colour {
  double r = 0, g = 0, b = 0;
};

constexpr Colour Rgb8(int r, int g, int b) { return Colour{double(r), double(g), double(b)}; }

Colour Mix(Colour a, Colour b, double towardsB);
Colour Lighter(Colour c, double amount);  // towards white
Colour Darker(Colour c, double amount);   // towards black

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);
// Fills the current path with `fill`, then strokes it with a darker edge.
void FillAndOutline(cairo_t* cr, Colour fill, double lineWidth = 1.2);
// A vertical gradient from `top` to `bottom` over [y0, y1] as the source.
void SetVerticalGradient(cairo_t* cr, double y0, Colour top, double y1, Colour bottom);
void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

enum class Weight { Regular, Bold };
void SelectFont(cairo_t* cr, double size, Weight weight = Weight::Bold, bool serif = false);
// Draws text with its horizontal centre at cx and its baseline at y.
void TextCentred(cairo_t* cr, const std::string& text, double cx, double y);
double TextWidth(cairo_t* cr, const std::string& text);

cairo_surface_t* NewTransparentSurface(int width, int height);

}  // namespace aerolark::art
