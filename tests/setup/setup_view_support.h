#pragma once
// Shared pieces of the tests of the dialog's Qt view: an offscreen
// application, the dialog opened on recording services, finding and clicking
// controls, and a check that every control shows all of itself.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "setup/qt/setup_dialog.h"
#include "setup_test_support.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace aerolark::testing {

using Values = std::vector<std::string>;

// A QApplication on the offscreen platform, made once.
void EnsureApplication();

template <typename T = QWidget>
T* Find(QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (!child) throw std::runtime_error(std::string("no control ") + name);
  return child;
}

void Click(QWidget* widget);

// The focus widget's name: "tabs" for the page tabs, else the control's.
std::string FocusName();

// The visible controls of `window` that are cut off, lie outside what holds
// them, or overlap another, described for a failure message.
std::vector<std::string> Clipped(QWidget* window);

class SetupView : public ::testing::Test {
 protected:
  void Open() { Open(settings); }
  // Opens the dialog on `store` with recording services, shown and active.
  void Open(Settings& store);
  // A key as the user presses it: to the window, which hands it to the focus.
  void Press(Qt::Key key) { QTest::keyClick(setup->windowHandle(), key); }
  template <typename T = QWidget>
  T* Get(const char* name) { return Find<T>(setup.get(), name); }

  RecordingSettings settings;
  std::vector<Message> messages;
  std::vector<bool> overShownDialog;  // for each message: its owner was on screen
  Values openedPages;
  std::function<void(QDialog&)> runModal;
  std::unique_ptr<aerolark::Setup> setup;
};

}  // namespace aerolark::testing
