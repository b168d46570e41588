#include "contact_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "assets/builtin_files.h"
#include "catalogue.h"
#include "file_formats.h"
#include "paint.h"

namespace aerolark::art {
namespace {

constexpr int kSheetWidth = 1700;
constexpr int kGap = 24;
constexpr int kLabelHeight = 36;

struct Shown {
  std::string name;
  Raster raster;
  bool sprite;
};

void Checkerboard(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int j = 0; j * 8 < h; ++j)
    for (int i = 0; i * 8 < w; ++i) {
      SetColour(cr, (i + j) % 2 ? Rgb8(204, 204, 204) : Rgb8(164, 164, 164));
      cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

void PaintRaster(cairo_t* cr, const Raster& raster, bool keyTransparent, double x, double y, double scale) {
  cairo_surface_t* image = ToSurface(raster, keyTransparent);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(image);
}

std::vector<std::int16_t> ReadWavSamples(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() < 44) throw std::runtime_error("cannot read " + path);
  std::vector<std::int16_t> samples((bytes.size() - 44) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(bytes[44 + 2 * i] | (bytes[45 + 2 * i] << 8));
  return samples;
}

void Waveform(cairo_t* cr, const std::vector<std::int16_t>& samples, double x, double y, double w, double h) {
  SetColour(cr, Rgb8(30, 34, 46));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  const std::size_t per = std::max<std::size_t>(1, samples.size() / static_cast<std::size_t>(w));
  SetColour(cr, Rgb8(120, 220, 160));
  cairo_set_line_width(cr, 1);
  for (int col = 0; col < static_cast<int>(w); ++col) {
    int low = 0, high = 0;
    for (std::size_t i = col * per; i < std::min(samples.size(), (col + 1) * per); ++i) {
      low = std::min<int>(low, samples[i]);
      high = std::max<int>(high, samples[i]);
    }
    cairo_move_to(cr, x + col + 0.5, y + h / 2 - high / 32768.0 * h / 2);
    cairo_line_to(cr, x + col + 0.5, y + h / 2 - low / 32768.0 * h / 2 + 1);
  }
  cairo_stroke(cr);
  int peak = 1;
  for (std::int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
  char label[160];
  std::snprintf(label, sizeof label, "%s   %.2f s, 16-bit PCM, peak %.1f dBFS",
                std::string(builtin::kPropellerSound).c_str(),
                samples.size() / 22050.0, 20 * std::log10(peak / 32768.0));
  SelectFont(cr, 14, Weight::Bold);
  SetColour(cr, Rgb8(20, 20, 20));
  cairo_move_to(cr, x, y + h + 18);
  cairo_show_text(cr, label);
}

// Lays the pictures out in rows; returns the height used (draws when cr is set).
double Layout(cairo_t* cr, const std::vector<Shown>& shown, double top) {
  double x = kGap, y = top, rowHeight = 0;
  for (const Shown& s : shown) {
    const double scale = s.raster.width > 600 ? 0.5 : 1.0;
    const double w = s.raster.width * scale, h = s.raster.height * scale;
    if (x + w > kSheetWidth - kGap) {
      x = kGap;
      y += rowHeight + kLabelHeight + kGap;
      rowHeight = 0;
    }
    if (cr) {
      Checkerboard(cr, x, y, w, h);
      PaintRaster(cr, s.raster, s.sprite, x, y, scale);
      char label[200];
      std::snprintf(label, sizeof label, "%dx%d%s", s.raster.width, s.raster.height,
                    scale < 1 ? " (shown at half size)" : s.sprite ? " (key transparent)" : "");
      SelectFont(cr, 14, Weight::Bold);
      SetColour(cr, Rgb8(20, 20, 20));
      cairo_move_to(cr, x, y + h + 16);
      cairo_show_text(cr, s.name.c_str());
      SelectFont(cr, 12, Weight::Regular);
      cairo_move_to(cr, x, y + h + 31);
      cairo_show_text(cr, label);
    }
    x += std::max(w, 150.0) + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  return y + rowHeight + kLabelHeight + kGap;
}

const Shown& Find(const std::vector<Shown>& shown, const std::string& name) {
  for (const Shown& s : shown)
    if (s.name == name) return s;
  throw std::runtime_error("missing " + name);
}

void WriteMockScene(const std::vector<Shown>& shown, const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
  cairo_t* cr = cairo_create(surface);
  PaintRaster(cr, Find(shown, "Sunset Red.BMP").raster, false, 0, 0, 1);
  PaintRaster(cr, Find(shown, "Logo1.BMP").raster, false, 1, 20, 1);
  PaintRaster(cr, Find(shown, "BGbiplane.bmp").raster, true, 560, 330, 1);
  PaintRaster(cr, Find(shown, "FastJet.bmp").raster, true, 380, 90, 1);
  const struct { const char* name; int x, y; } planes[] = {
      {"biplane01.bmp", 40, 180}, {"biplane02.bmp", 470, 210}, {"biplane05.bmp", 260, 430},
      {"biplane08.bmp", 560, 60}, {"biplane11.bmp", -90, 300}};
  for (const auto& p : planes) PaintRaster(cr, Find(shown, p.name).raster, true, p.x, p.y, 1);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  // What a 16-bit screen makes of it.
  unsigned char* data = cairo_image_surface_get_data(surface);
  for (int i = 0; i < 800 * 600; ++i) {
    unsigned char* p = data + 4 * i;  // B, G, R, X in memory on little-endian machines
    const Rgb c = From565(To565(Rgb{p[2], p[1], p[0]}));
    p[2] = c.r, p[1] = c.g, p[0] = c.b;
  }
  cairo_surface_mark_dirty(surface);
  cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
}

}  // namespace

void WriteContactSheet(const std::string& folder, const std::string& sheetPng) {
  std::vector<Shown> shown;
  for (const PictureEntry& e : PictureCatalogue(TargetSystem::Linux))
    shown.push_back({e.file, ReadBmp24(folder + "/" + e.file), e.kind == PictureKind::Sprite});
  const double picturesEnd = Layout(nullptr, shown, 60);
  const int height = static_cast<int>(picturesEnd + 140);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, height);
  cairo_t* cr = cairo_create(surface);
  SetColour(cr, Rgb8(236, 236, 232));
  cairo_paint(cr);
  SelectFont(cr, 22, Weight::Bold);
  SetColour(cr, Rgb8(20, 20, 20));
  cairo_move_to(cr, kGap, 38);
  cairo_show_text(cr, ("Aerolark built-in files: " + folder).c_str());
  Layout(cr, shown, 60);
  Waveform(cr, ReadWavSamples(folder + "/" + std::string(builtin::kPropellerSound)), kGap, picturesEnd, 800, 90);
  cairo_destroy(cr);
  cairo_surface_write_to_png(surface, sheetPng.c_str());
  cairo_surface_destroy(surface);
  WriteMockScene(shown, (std::filesystem::path(sheetPng).parent_path() / "mock-scene.png").string());
}

}  // namespace aerolark::art
