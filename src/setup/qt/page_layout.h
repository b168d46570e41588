#pragma once
// Small helpers shared by the dialog's pages: compact groups and labels.

#include <QGroupBox>
#include <QLabel>
#include <QLayout>

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

}  // namespace aerolark
