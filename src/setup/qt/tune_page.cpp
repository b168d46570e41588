#include "setup/qt/tune_page.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "setup/qt/page_layout.h"

namespace aerolark {

TunePage::TunePage(Wiring wiring, QWidget* parent) : QWidget(parent) {
  QGroupBox* group = MakeGroup(
      QStringLiteral("Tune Your PC  ( If the planes are moving too fast no matter what setting "
                     "try this)"),
      this);
  QScrollBar* slider = MakeSlider(Control::hsbTunePC, wiring, group);
  QLineEdit* box = MakeValueBox(Control::txtTunePC, wiring, group);

  QLabel* intro = MakeLabel(
      QStringLiteral("This only slows down how fast your PC reads through the code of THIS "
                     "screen saver.  It will not effect ANY other part of your PC."),
      group);
  intro->setWordWrap(true);
  QLabel* scale = MakeLabel(
      QStringLiteral(
          "Pentium 1, 150 MHz >>>>>>>>>>>>>>>>>>>>>>Pentium 4, 2.0 GHz >>>>>>>>> Dual Processors"),
      group);
  scale->setWordWrap(true);  // the scale is wider than the page on larger fonts
  QLabel* advice = MakeLabel(
      QStringLiteral("Knowing your CPU speed (Ex: Pentium 1.9 GHz) is not important. Simply "
                     "select a setting and run the screensaver.  When you find a setting "
                     "pleasing, use it."),
      group);
  advice->setWordWrap(true);

  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setVerticalSpacing(10);
  grid->addWidget(intro, 0, 0, 1, 2);
  grid->addWidget(slider, 1, 0);
  grid->addWidget(box, 1, 1);
  grid->addWidget(scale, 2, 0, 1, 2);
  grid->addWidget(advice, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->addWidget(group);
}

}  // namespace aerolark
