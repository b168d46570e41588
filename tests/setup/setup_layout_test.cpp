// The dialog's pages and the chooser laid out for the desktop's font: every
// control shown whole, and the groups arranged as the user expects.

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "setup/qt/image_file_chooser.h"
#include "setup_view_support.h"

namespace aerolark::testing {
namespace {

TEST_F(SetupView, EveryPageAndTheChooserShowAllOfEachControlAtLargerFonts) {
  // The widest values each box and list can show.
  for (auto [key, value] : {std::pair{Key::BGFreq, "300"}, {Key::SecDelay, "300"}, {Key::MouseSens, "20"},
                            {Key::TunePC, "20"}, {Key::FontClock, "100"}, {Key::SelectedFontSize, "10"},
                            {Key::SoundOff, "Never"}}) {
    settings.Put(key, value);
  }
  EnsureApplication();
  const QFont desktop = QApplication::font();
  for (int points : {9, 11, 14}) {
    QFont font = desktop;
    font.setPointSize(points);
    QApplication::setFont(font);
    Open();
    if (points == 9) {
      EXPECT_EQ(setup->size(), QSize(550, 369));  // the designed size
    }
    auto* tabs = Get<QTabWidget>("SSTab1");
    for (int page = 0; page < tabs->count(); ++page) {
      tabs->setCurrentIndex(page);
      for (const std::string& fault : Clipped(setup.get())) {
        ADD_FAILURE() << points << " points, page " << page << ": " << fault;
      }
    }
    DialogStore store(settings, *setup);
    ImageFileChooser chooser(BackgroundChooser(), store, {{"/", ""}}, [](QWidget*, const Message&) {});
    chooser.show();
    for (const std::string& fault : Clipped(&chooser)) ADD_FAILURE() << points << " points, chooser: " << fault;
  }
  QApplication::setFont(desktop);
}

TEST_F(SetupView, TheAircraftIntervalSitsOnItsCheckBoxsRow) {
  Open();
  auto* sounds = Get<QWidget>("chkProp")->parentWidget();
  auto label = [sounds](const QString& text) -> QWidget* {
    for (QLabel* l : sounds->findChildren<QLabel*>()) {
      if (l->text() == text) return l;
    }
    throw std::runtime_error("no label " + text.toStdString());
  };
  QWidget* row[] = {Get("chkProp"), label("Show every"), Get("hsbFastJet"), Get("txtFastJet"), label("secs")};
  const QRect box = row[0]->geometry();
  for (int i = 1; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_GE(row[i]->geometry().left(), row[i - 1]->geometry().right());
    EXPECT_TRUE(box.top() <= row[i]->geometry().center().y() && row[i]->geometry().center().y() <= box.bottom());
  }
}

}  // namespace
}  // namespace aerolark::testing
