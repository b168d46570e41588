#include "hint_art.h"

#include <cairo.h>

#include <functional>
#include <string>

#include "biplane_art.h"
#include "paint.h"
#include "sunset_art.h"

namespace aerolark::art {
namespace {

constexpr Colour kPanelTop = Rgb8(26, 36, 78);
constexpr Colour kPanelBottom = Rgb8(12, 16, 40);
constexpr Colour kGoldLine = Rgb8(224, 178, 60);
constexpr Colour kTitle = Rgb8(255, 236, 64);  // the yellow of the saver's own hint text
constexpr Colour kBody = Rgb8(240, 236, 224);
constexpr Colour kCommand = Rgb8(140, 226, 255);

void Card(cairo_t* cr, const std::string& title) {
  SetVerticalGradient(cr, 0, kPanelTop, kHintHeight, kPanelBottom);
  cairo_paint(cr);
  RoundedRectangle(cr, 4.5, 4.5, kHintWidth - 9, kHintHeight - 9, 10);
  SetColour(cr, kGoldLine);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRectangle(cr, 10.5, 10.5, kHintWidth - 21, kHintHeight - 21, 6);
  SetColour(cr, kGoldLine, 0.5);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SelectFont(cr, 27, Weight::Bold);
  SetColour(cr, kTitle);
  cairo_move_to(cr, 28, 50);
  cairo_show_text(cr, title.c_str());
}

// One line made of plain parts and highlighted parts (commands, page names).
struct Span {
  std::string text;
  bool highlight = false;
};

void Line(cairo_t* cr, double x, double y, std::initializer_list<Span> spans, double size = 17) {
  cairo_move_to(cr, x, y);
  for (const Span& s : spans) {
    SelectFont(cr, size, s.highlight ? Weight::Bold : Weight::Regular);
    SetColour(cr, s.highlight ? kCommand : kBody);
    cairo_show_text(cr, s.text.c_str());
  }
}

void SmallBiplane(cairo_t* cr, double x, double y, double scale, int livery) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  DrawBiplane(cr, kLiveries.at(livery), 0, false);
  cairo_restore(cr);
}

// The "Tune Your PC" slider, its knob pushed towards the slow end.
void TuningSlider(cairo_t* cr, double x, double y, double width) {
  RoundedRectangle(cr, x, y - 3, width, 6, 3);
  SetColour(cr, Rgb8(90, 100, 140));
  cairo_fill(cr);
  for (int i = 0; i <= 20; ++i) {
    const double tx = x + width * i / 20;
    cairo_move_to(cr, tx, y + 8);
    cairo_line_to(cr, tx, y + (i % 5 == 0 ? 15 : 12));
  }
  SetColour(cr, Rgb8(150, 160, 200));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  const double knob = x + width * 0.7;
  RoundedRectangle(cr, knob - 7, y - 12, 14, 24, 3);
  SetVerticalGradient(cr, y - 12, Rgb8(255, 240, 150), y + 12, Rgb8(210, 150, 40));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(90, 60, 10));
  cairo_stroke(cr);
  cairo_move_to(cr, x + width * 0.36, y - 20);  // the arrow: move it this way
  cairo_line_to(cr, knob - 16, y - 20);
  SetColour(cr, kTitle);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, knob - 12, y - 20);
  cairo_line_to(cr, knob - 20, y - 25);
  cairo_line_to(cr, knob - 20, y - 15);
  cairo_close_path(cr);
  cairo_fill(cr);
  SelectFont(cr, 13, Weight::Bold);
  SetColour(cr, kBody);
  cairo_move_to(cr, x, y + 30);
  cairo_show_text(cr, "0  faster planes");
  const char* slow = "slower planes  20";
  cairo_move_to(cr, x + width - TextWidth(cr, slow), y + 30);
  cairo_show_text(cr, slow);
}

void Monitor(cairo_t* cr, double x, double y) {
  constexpr double kScreenW = 160, kScreenH = 120;
  RoundedRectangle(cr, x + 62, y + kScreenH + 14, 52, 14, 2);  // neck and foot
  SetColour(cr, Rgb8(120, 124, 138));
  cairo_fill(cr);
  RoundedRectangle(cr, x + 36, y + kScreenH + 26, 104, 8, 4);
  cairo_fill(cr);
  RoundedRectangle(cr, x - 8, y - 8, kScreenW + 16, kScreenH + 22, 8);
  SetVerticalGradient(cr, y - 8, Rgb8(196, 200, 212), y + kScreenH + 14, Rgb8(130, 134, 150));
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, kScreenW, kScreenH);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, kScreenW / kSceneWidth, kScreenH / kSceneHeight);
  DrawSunset(cr);
  SmallBiplane(cr, 120, 160, 1.3, 0);
  cairo_restore(cr);
  Ellipse(cr, x + kScreenW - 4, y + kScreenH + 7, 2, 2);  // power light
  SetColour(cr, Rgb8(80, 230, 120));
  cairo_fill(cr);
  SelectFont(cr, 15, Weight::Bold);
  SetColour(cr, kTitle);
  TextCentred(cr, "800 \u00d7 600, 16-bit", x + kScreenW / 2, y + kScreenH + 54);
}

Raster Render(const std::function<void(cairo_t*)>& draw) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kHintWidth, kHintHeight);
  cairo_t* cr = cairo_create(surface);
  draw(cr);
  cairo_destroy(cr);
  Raster raster = FlattenOpaque(surface);
  cairo_surface_destroy(surface);
  return raster;
}

// A Windows user opens the settings from the desktop's Screen Saver
// Settings, or from the .scr itself; there is no command to type.
void TuneSteps(cairo_t* cr, TargetSystem system) {
  if (system == TargetSystem::Linux) {
    Line(cr, 28, 90, {{"1.  Open the settings:  "}, {"aerolark /c", true}});
    Line(cr, 28, 118, {{"2.  Choose the page  "}, {"Tune the Screensaver", true}});
    Line(cr, 28, 146, {{"3.  Move the  "}, {"Tune Your PC", true}, {"  slider to the right."}});
    TuningSlider(cr, 60, 196, 380);
    return;
  }
  Line(cr, 28, 88, {{"1.  Click  "}, {"Settings...", true}, {"  in Screen Saver Settings"}});
  Line(cr, 50, 108, {{"(or right-click  "}, {"aerolark.scr", true}, {", then  "}, {"Configure", true}, {")"}}, 14);
  Line(cr, 28, 136, {{"2.  Choose the page  "}, {"Tune the Screensaver", true}});
  Line(cr, 28, 162, {{"3.  Move the  "}, {"Tune Your PC", true}, {"  slider to the right."}});
  TuningSlider(cr, 60, 206, 380);
}

}  // namespace

Raster MakeTuneHintPicture(TargetSystem system) {
  return Render([system](cairo_t* cr) {
    Card(cr, "Planes flying too fast?");
    SmallBiplane(cr, 372, 16, 0.44, 0);
    TuneSteps(cr, system);
    Line(cr, 28, 258, {{"Higher numbers draw the scene less often, so the planes"}}, 15);
    Line(cr, 28, 278, {{"slow down. Their cruising speed is on the  "}, {"Aircraft", true}, {"  page."}}, 15);
  });
}

Raster MakeMonitorHintPicture(TargetSystem system) {
  return Render([system](cairo_t* cr) {
    Card(cr, "About your display");
    Monitor(cr, 36, 84);
    const double x = 232;
    Line(cr, x, 96, {{"Aerolark paints its scene at"}});
    Line(cr, x, 120, {{"800 \u00d7 600", true}, {" pixels in "}, {"16-bit", true}});
    Line(cr, x, 144, {{"colour and scales it to fill"}});
    Line(cr, x, 168, {{"your screen, keeping its 4:3"}});
    Line(cr, x, 192, {{"shape. Any display showing"}});
    Line(cr, x, 216, {{"16-bit colour or more will do."}});
    if (system == TargetSystem::Linux) {
      Line(cr, x, 258, {{"Settings:  "}, {"aerolark /c", true}});
    } else {
      Line(cr, x, 250, {{"Settings:  "}, {"Settings...", true}});
      Line(cr, x, 272, {{"in Screen Saver Settings"}});
    }
  });
}

}  // namespace aerolark::art
