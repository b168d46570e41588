#pragma once
// The Qt widgets behind the logic's controls: the Qt half of ControlView
// (numbers, texts, lists, enabled state), and the makers of the bound
// widgets that wire each one's signals to its handler in the logic.

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "setup/dialog_view.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QObject;
class QScrollBar;
class QWidget;

namespace aerolark {

class SetupLogic;

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) { return text.toStdString(); }

// Sets and reads widgets by control. Setting never emits the signals the
// handlers listen to.
class WidgetControls {
 public:
  // Names a widget after its control (an option group is not renamed).
  void Add(Control control, QObject* widget);

  int Number(Control control) const;
  void SetNumber(Control control, int number);
  std::string Text(Control control) const;
  void SetText(Control control, std::string_view text);
  void SetItems(Control control, const std::vector<std::string>& items);
  void SetEnabled(Control control, bool enabled);

 private:
  QObject* Get(Control control) const;

  std::map<Control, QObject*> widgets_;
};

// What a page needs to make its bound widgets.
struct Wiring {
  WidgetControls& controls;
  SetupLogic& logic;
};

// A horizontal slider over its setting's positions, moving in steps of 1 by
// arrow and by page.
QScrollBar* MakeSlider(Control control, Wiring wiring, QWidget* parent);
// A read-only box that shows a slider's value.
QLineEdit* MakeValueBox(Control control, Wiring wiring, QWidget* parent);
QCheckBox* MakeCheckBox(Control control, const QString& caption, Wiring wiring, QWidget* parent);
QLineEdit* MakeTextBox(Control control, Wiring wiring, QWidget* parent);
// An editable drop-down list that calls `chosen` with the index of an entry
// the user chooses from it (from the open list, by arrow key or by wheel),
// never for typed text, even typed text that matches an entry.
QComboBox* MakeEditableList(Control control, Wiring wiring, QWidget* parent,
                            std::function<void(int index)> chosen);
// A read-only box that shows a stored text, such as a file name.
QLineEdit* MakeDisplayBox(Control control, Wiring wiring, QWidget* parent);

// Lets the box hold a stored text of any length: by default a box cuts its
// text at 32767 characters, and storing it back would lose the rest.
void HoldAnyLength(QLineEdit* box);
// Fixes the box's width to what `widest` needs in the box's own font, so the
// box grows with the desktop's font instead of cutting its text.
void FitWidthTo(QLineEdit* box, const QString& widest);

}  // namespace aerolark
