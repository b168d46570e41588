#include "sunset_art.h"

#include <cmath>
#include <vector>

#include "paint.h"
#include "random_source.h"

namespace aerolark::art {
namespace {

constexpr double kHorizon = 440;
constexpr double kSunX = 540, kSunY = 428, kSunRadius = 44;

void AddStop(cairo_pattern_t* p, double at, Colour c, double alpha = 1) {
  cairo_pattern_add_color_stop_rgba(p, at, c.r / 255, c.g / 255, c.b / 255, alpha);
}

void Sky(cairo_t* cr) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kHorizon);
  AddStop(p, 0.00, Rgb8(26, 16, 58));
  AddStop(p, 0.25, Rgb8(72, 30, 100));
  AddStop(p, 0.50, Rgb8(156, 50, 100));
  AddStop(p, 0.72, Rgb8(222, 84, 76));
  AddStop(p, 0.88, Rgb8(246, 138, 62));
  AddStop(p, 1.00, Rgb8(255, 204, 118));
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 0, 0, kSceneWidth, kHorizon + 1);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Stars(cairo_t* cr, RandomSource& random) {
  for (int i = 0; i < 70; ++i) {
    const double x = random.Uniform(0, kSceneWidth), y = random.Uniform(0, 170);
    const double size = random.Uniform(0.5, 1.3);
    Ellipse(cr, x, y, size, size);
    SetColour(cr, Rgb8(255, 240, 230), 0.9 * (1 - y / 190));
    cairo_fill(cr);
  }
}

void SunAndGlow(cairo_t* cr) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(kSunX, kSunY, 0, kSunX, kSunY, 360);
  AddStop(glow, 0.0, Rgb8(255, 214, 140), 0.75);
  AddStop(glow, 0.3, Rgb8(255, 150, 90), 0.28);
  AddStop(glow, 1.0, Rgb8(255, 120, 80), 0.0);
  cairo_set_source(cr, glow);
  cairo_rectangle(cr, 0, 0, kSceneWidth, kHorizon);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_pattern_t* disc = cairo_pattern_create_radial(kSunX, kSunY - 8, 4, kSunX, kSunY, kSunRadius);
  AddStop(disc, 0, Rgb8(255, 252, 226));
  AddStop(disc, 0.7, Rgb8(255, 226, 150));
  AddStop(disc, 1, Rgb8(255, 182, 96));
  cairo_set_source(cr, disc);
  Ellipse(cr, kSunX, kSunY, kSunRadius, kSunRadius);
  cairo_fill(cr);
  cairo_pattern_destroy(disc);
}

// A long evening cloud: a flat-bottomed row of puffs with a few smaller
// ones on top, its dark body rimmed below where the low sun catches it.
void Cloud(cairo_t* cr, RandomSource& random, double cx, double cy, double length) {
  const double t = cy / kHorizon;  // higher clouds are darker and cooler
  const Colour body = Mix(Rgb8(70, 30, 86), Rgb8(168, 60, 78), t);
  const Colour rim = Mix(Rgb8(232, 104, 132), Rgb8(255, 196, 120), t);
  struct Puff { double x, y, rx, ry; };
  std::vector<Puff> shape;
  const int puffs = static_cast<int>(length / 16);
  for (int i = 0; i < puffs; ++i) {
    const double u = (i + 0.5) / puffs;
    const double swell = std::sin(u * M_PI);
    const double ry = 2.5 + 8 * swell * random.Uniform(0.5, 1.0);
    shape.push_back({cx - length / 2 + u * length + random.Uniform(-5, 5), cy - ry * 0.45,
                     random.Uniform(14, 28), ry});
    if (swell > 0.5 && random.Uniform(0, 1) < 0.45) {
      const double top = ry * random.Uniform(0.6, 1.1);
      shape.push_back({shape.back().x + random.Uniform(-8, 8), cy - ry - top * 0.4, random.Uniform(8, 16), top});
    }
  }
  for (const Puff& p : shape) Ellipse(cr, p.x, p.y + 2.5, p.rx, p.ry);
  SetColour(cr, rim, 0.9);
  cairo_fill(cr);
  for (const Puff& p : shape) Ellipse(cr, p.x, p.y, p.rx, p.ry);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, cy - 24, 0, cy + 6);
  AddStop(shade, 0, Darker(body, 0.25), 0.92);
  AddStop(shade, 1, Lighter(body, 0.12), 0.92);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void Clouds(cairo_t* cr, RandomSource& random) {
  struct Band { double x, y, length; };
  const Band bands[] = {{150, 92, 280},  {610, 66, 330},  {390, 146, 200}, {735, 186, 170},
                        {80, 232, 230},  {470, 262, 360}, {250, 322, 190}, {700, 338, 250},
                        {110, 376, 140}, {420, 396, 170}, {770, 408, 110}, {560, 214, 90}};
  for (const Band& b : bands) Cloud(cr, random, b.x, b.y, b.length);
}

// A ridge line across [x0, x1] whose height is a sum of a few waves.
void Ridge(cairo_t* cr, double x0, double x1, double base, double height, double phase, Colour top,
           Colour bottom) {
  cairo_move_to(cr, x0, kHorizon + 2);
  for (double x = x0; x <= x1; x += 2) {
    const double u = (x - x0) / (x1 - x0);
    const double envelope = std::sin(u * M_PI);
    const double wave = 0.55 * std::sin(x * 0.013 + phase) + 0.3 * std::sin(x * 0.037 + 2 * phase) +
                        0.15 * std::sin(x * 0.11 + 3 * phase);
    cairo_line_to(cr, x, base - height * envelope * (0.75 + 0.25 * wave));
  }
  cairo_line_to(cr, x1, kHorizon + 2);
  cairo_close_path(cr);
  SetVerticalGradient(cr, base - height, top, kHorizon, bottom);
  cairo_fill(cr);
}

void Mountains(cairo_t* cr) {
  Ridge(cr, -60, 420, kHorizon, 62, 0.4, Rgb8(156, 66, 100), Rgb8(190, 92, 96));
  Ridge(cr, -120, 300, kHorizon, 38, 2.1, Rgb8(98, 38, 78), Rgb8(120, 52, 80));
  Ridge(cr, 680, 900, kHorizon, 30, 1.2, Rgb8(120, 50, 86), Rgb8(150, 70, 90));
}

void Water(cairo_t* cr, RandomSource& random) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, kHorizon, 0, kSceneHeight);
  AddStop(p, 0, Rgb8(236, 128, 96));
  AddStop(p, 0.35, Rgb8(168, 64, 92));
  AddStop(p, 1, Rgb8(52, 22, 64));
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 0, kHorizon, kSceneWidth, kSceneHeight - kHorizon);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Ripples, then the sun's path on the water, widening towards us.
  for (int i = 0; i < 90; ++i) {
    const double y = kHorizon + 4 + std::pow(random.Uniform(0, 1), 1.4) * (kSceneHeight - kHorizon);
    const double x = random.Uniform(0, kSceneWidth), len = 10 + (y - kHorizon) * random.Uniform(0.2, 0.6);
    cairo_rectangle(cr, x, y, len, 1.2);
    SetColour(cr, Rgb8(60, 20, 60), 0.35);
    cairo_fill(cr);
  }
  for (double y = kHorizon + 1; y < kSceneHeight; y += random.Uniform(2.5, 4.5)) {
    const double depth = (y - kHorizon) / (kSceneHeight - kHorizon);
    const double half = 18 + 130 * depth;
    const double len = random.Uniform(0.3, 1.0) * half;
    const double x = kSunX + random.Uniform(-half, half - len);
    cairo_rectangle(cr, x, y, len, 1.4 + depth);
    SetColour(cr, Rgb8(255, 222, 150), 0.85 * (1 - 0.7 * depth));
    cairo_fill(cr);
  }
}

void Tree(cairo_t* cr, double x, double ground, double height) {
  cairo_move_to(cr, x, ground - height);
  cairo_curve_to(cr, x + height * 0.22, ground - height * 0.5, x + height * 0.2, ground - height * 0.1, x,
                 ground);
  cairo_curve_to(cr, x - height * 0.2, ground - height * 0.1, x - height * 0.22, ground - height * 0.5, x,
                 ground - height);
  cairo_fill(cr);
}

void Shore(cairo_t* cr) {
  const Colour land = Rgb8(32, 14, 38);
  cairo_move_to(cr, 0, 536);
  cairo_curve_to(cr, 80, 510, 170, 512, 240, 546);
  cairo_curve_to(cr, 290, 570, 330, 592, 360, 600);
  cairo_line_to(cr, 0, 600);
  cairo_close_path(cr);
  SetColour(cr, land);
  cairo_fill(cr);
  Tree(cr, 58, 526, 46);
  Tree(cr, 84, 522, 62);
  Tree(cr, 110, 522, 38);
  Tree(cr, 196, 532, 30);
  // A far headland on the right, and a few birds heading home.
  cairo_move_to(cr, 800, 566);
  cairo_curve_to(cr, 760, 560, 720, 580, 690, 600);
  cairo_line_to(cr, 800, 600);
  cairo_close_path(cr);
  cairo_fill(cr);
  const double birds[][3] = {{612, 356, 6}, {628, 364, 5}, {598, 368, 4.5}};
  for (const auto& b : birds) {
    cairo_move_to(cr, b[0] - b[2], b[1] - b[2] * 0.4);
    cairo_curve_to(cr, b[0] - b[2] * 0.5, b[1] - b[2] * 0.6, b[0] - 1, b[1] - 1, b[0], b[1]);
    cairo_curve_to(cr, b[0] + 1, b[1] - 1, b[0] + b[2] * 0.5, b[1] - b[2] * 0.6, b[0] + b[2], b[1] - b[2] * 0.4);
    cairo_set_line_width(cr, 1.3);
    SetColour(cr, Rgb8(60, 20, 50));
    cairo_stroke(cr);
  }
}

}  // namespace

void DrawSunset(cairo_t* cr) {
  RandomSource random(20240611);
  Sky(cr);
  Stars(cr, random);
  SunAndGlow(cr);
  Clouds(cr, random);
  Mountains(cr);
  Water(cr, random);
  Shore(cr);
}

Raster MakeSunsetPicture() {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSceneWidth, kSceneHeight);
  cairo_t* cr = cairo_create(surface);
  DrawSunset(cr);
  cairo_destroy(cr);
  Raster raster = FlattenOpaque(surface);
  cairo_surface_destroy(surface);
  return raster;
}

}  // namespace aerolark::art
