#include "setup/qt/qt_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <cassert>
#include <limits>

#include "setup/setup_logic.h"

namespace aerolark {
namespace {

// When the edit field is left or Return is pressed, Qt makes a typed text
// that matches an entry the current entry and reports it as activated, as if
// chosen from the list. Those reports are not passed on.
class EditableList final : public QComboBox {
 public:
  EditableList(QWidget* parent, std::function<void(int)> chosen)
      : QComboBox(parent), chosen_(std::move(chosen)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // completion would rewrite what the user types
    HoldAnyLength(lineEdit());
    connect(this, &QComboBox::activated, this, [this](int index) {
      if (!editEnding_) chosen_(index);
    });
  }

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    QScopedValueRollback ending(editEnding_, true);
    QComboBox::focusOutEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    const bool ends = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QScopedValueRollback ending(editEnding_, editEnding_ || ends);
    QComboBox::keyPressEvent(event);
  }

 private:
  std::function<void(int)> chosen_;
  bool editEnding_ = false;
};

// A scroll bar that takes the keyboard focus as a slider does, and shows
// it: the styles draw no focus on a scroll bar, which never has it.
class FocusableScrollBar final : public QScrollBar {
 public:
  explicit FocusableScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
  }
};

}  // namespace

void WidgetControls::Add(Control control, QObject* widget) {
  if (widget->isWidgetType()) widget->setObjectName(ToQt(ControlName(control)));
  widgets_[control] = widget;
}

QObject* WidgetControls::Get(Control control) const {
  auto found = widgets_.find(control);
  assert(found != widgets_.end() && "a control the view never made");
  return found == widgets_.end() ? nullptr : found->second;
}

int WidgetControls::Number(Control control) const {
  QObject* widget = Get(control);
  if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) return slider->value();
  if (auto* box = qobject_cast<QCheckBox*>(widget)) return box->isChecked() ? 1 : 0;
  if (auto* group = qobject_cast<QButtonGroup*>(widget)) return group->checkedId();
  if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentIndex();
  if (auto* files = qobject_cast<QListWidget*>(widget)) {
    const QList<QListWidgetItem*> selected = files->selectedItems();
    return selected.isEmpty() ? -1 : files->row(selected.first());
  }
  return -1;
}

void WidgetControls::SetNumber(Control control, int number) {
  QObject* widget = Get(control);
  if (!widget) return;
  QSignalBlocker quiet(widget);
  if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
    slider->setValue(number);
  } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    box->setChecked(number == 1);
  } else if (auto* group = qobject_cast<QButtonGroup*>(widget)) {
    if (QAbstractButton* option = group->button(number)) option->setChecked(true);
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    list->setCurrentIndex(number);
  } else if (auto* files = qobject_cast<QListWidget*>(widget)) {
    files->setCurrentRow(number);
  }
}

std::string WidgetControls::Text(Control control) const {
  QObject* widget = Get(control);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return FromQt(box->text());
  if (auto* list = qobject_cast<QComboBox*>(widget)) return FromQt(list->currentText());
  if (auto* label = qobject_cast<QLabel*>(widget)) return FromQt(label->text());
  return {};
}

void WidgetControls::SetText(Control control, std::string_view text) {
  QObject* widget = Get(control);
  if (!widget) return;
  QSignalBlocker quiet(widget);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(ToQt(text));
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    list->setEditText(ToQt(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQt(text));
  }
}

void WidgetControls::SetItems(Control control, const std::vector<std::string>& items) {
  QObject* widget = Get(control);
  if (!widget) return;
  QStringList texts;
  for (const std::string& item : items) texts << ToQt(item);
  QSignalBlocker quiet(widget);
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    list->clear();
    list->addItems(texts);
    list->setCurrentIndex(-1);
  } else if (auto* files = qobject_cast<QListWidget*>(widget)) {
    files->clear();
    files->addItems(texts);
  }
}

void WidgetControls::SetEnabled(Control control, bool enabled) {
  if (auto* widget = qobject_cast<QWidget*>(Get(control))) widget->setEnabled(enabled);
}

QScrollBar* MakeSlider(Control control, Wiring wiring, QWidget* parent) {
  const ControlBinding* binding = FindBinding(control);
  assert(binding && binding->kind == ControlBinding::Kind::Slider);
  auto* slider = new FocusableScrollBar(parent);
  slider->setRange(binding->first, binding->last);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  // A scroll bar inverts Up/Down and Page Up/Down by default (Page Up would
  // lower the value); as a slider, Up and Page Up raise it like Right.
  slider->setInvertedControls(false);
  wiring.controls.Add(control, slider);
  SetupLogic& logic = wiring.logic;
  QObject::connect(slider, &QScrollBar::valueChanged, slider, [&logic, slider, control] {
    logic.bindings.OnSlider(control,
                            slider->isSliderDown() ? SliderMove::Dragged : SliderMove::Settled);
  });
  QObject::connect(slider, &QScrollBar::sliderReleased, slider, [&logic, control] {
    logic.bindings.OnSlider(control, SliderMove::ThumbReleased);
  });
  return slider;
}

QLineEdit* MakeValueBox(Control control, Wiring wiring, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);  // a display: Tab goes to the slider, not here
  box->setAlignment(Qt::AlignRight);
  FitWidthTo(box, QStringLiteral("0000"));  // three digits and room to spare
  wiring.controls.Add(control, box);
  return box;
}

QCheckBox* MakeCheckBox(Control control, const QString& caption, Wiring wiring, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  wiring.controls.Add(control, box);
  SetupLogic& logic = wiring.logic;
  QObject::connect(box, &QCheckBox::clicked, box,
                   [&logic, control] { logic.bindings.OnChanged(control); });
  return box;
}

QLineEdit* MakeTextBox(Control control, Wiring wiring, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  HoldAnyLength(box);
  wiring.controls.Add(control, box);
  SetupLogic& logic = wiring.logic;
  QObject::connect(box, &QLineEdit::textChanged, box,
                   [&logic, control] { logic.bindings.OnChanged(control); });
  return box;
}

QComboBox* MakeEditableList(Control control, Wiring wiring, QWidget* parent,
                            std::function<void(int index)> chosen) {
  auto* list = new EditableList(parent, std::move(chosen));
  wiring.controls.Add(control, list);
  return list;
}

QLineEdit* MakeDisplayBox(Control control, Wiring wiring, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setReadOnly(true);
  HoldAnyLength(box);
  wiring.controls.Add(control, box);
  return box;
}

void FitWidthTo(QLineEdit* box, const QString& widest) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
  // 4: the box's own margin on both sides of the text.
  const QSize text(box->fontMetrics().horizontalAdvance(widest) + 4, box->fontMetrics().height());
  box->setFixedWidth(box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, box).width());
}

void HoldAnyLength(QLineEdit* box) { box->setMaxLength(std::numeric_limits<int>::max()); }

}  // namespace aerolark
