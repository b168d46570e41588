#pragma once
// Small helpers shared by the dialog's pages and windows: compact groups and
// labels, and window sizes that follow the desktop's font and DPI.

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace aerolark {

inline QGroupBox* MakeGroup(const QString& caption, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  return group;
}

inline QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(name);
  return label;
}

// Tight margins: the dialog is small and its pages are full.
inline void Tighten(QLayout* layout, int spacing = 3) {
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(spacing);
}

// A group whose children a grid with tight margins places.
struct GridGroup {
  QGroupBox* group;
  QGridLayout* grid;
};
inline GridGroup MakeGridGroup(const QString& caption, QWidget* parent, int spacing = 3) {
  QGroupBox* group = MakeGroup(caption, parent);
  auto* grid = new QGridLayout(group);
  Tighten(grid, spacing);
  return {group, grid};
}

// Fixes the size of `window`, whose layout is complete: `designed` is its
// client size in pixels at 96 DPI (as laid out in twips, at 15 twips a
// pixel), scaled to the screen's DPI and grown to what the layout needs in
// the desktop's font, so that nothing in it is ever cut off.
inline void FixDesignedSize(QWidget* window, QSize designed) {
  QSize size(designed.width() * window->logicalDpiX() / 96,
             designed.height() * window->logicalDpiY() / 96);
  size = size.expandedTo(window->minimumSizeHint());
  if (QLayout* layout = window->layout(); layout && layout->hasHeightForWidth()) {
    size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
  }
  window->setFixedSize(size);
}

}  // namespace aerolark
