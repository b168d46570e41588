#include "setup/control_bindings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

#include "settings/conversions.h"
#include "setup/dialog_store.h"

namespace aerolark {

int StoredPosition(std::string_view text, int first, int last) {
  std::optional<std::int16_t> number = StrictIntegerRead(text);
  if (!number) return first;
  return std::clamp<int>(*number, first, last);
}

int StoredListIndex(std::string_view text, int count) {
  std::optional<std::int16_t> number = StrictIntegerRead(text);
  if (!number || *number < 0 || *number >= count) return 0;
  return *number;
}

CheckBinding::CheckBinding(QCheckBox* box, Key key, DialogStore& store)
    : box_(box), key_(key), store_(store) {
  QObject::connect(box_, &QCheckBox::clicked, box_, [this] { OnChanged(); });
}

void CheckBinding::Load() {
  box_->setChecked(StoredPosition(store_.Read(key_), 0, 1) == 1);
  OnChanged();
}

void CheckBinding::OnChanged() { store_.Write(key_, std::string_view(box_->isChecked() ? "1" : "0")); }

SliderBinding::SliderBinding(QScrollBar* slider, QLineEdit* valueBox, Key key,
                             DialogStore& store, Storing storing)
    : slider_(slider), valueBox_(valueBox), key_(key), store_(store) {
  if (storing == Storing::Continuously) {
    QObject::connect(slider_, &QScrollBar::valueChanged, slider_, [this] { OnChanged(); });
    return;
  }
  // While the thumb is held the value changes with it, but nothing is stored
  // until it is let go.
  QObject::connect(slider_, &QScrollBar::valueChanged, slider_, [this] {
    if (!slider_->isSliderDown()) OnChanged();
  });
  QObject::connect(slider_, &QScrollBar::sliderReleased, slider_, [this] { OnChanged(); });
}

void SliderBinding::Load() {
  {
    QSignalBlocker quiet(slider_);
    slider_->setValue(
        StoredPosition(store_.Read(key_), slider_->minimum(), slider_->maximum()));
  }
  OnChanged();
}

void SliderBinding::OnChanged() {
  QString value = QString::number(slider_->value());
  if (valueBox_) valueBox_->setText(value);
  store_.Write(key_, value);
}

TextBinding::TextBinding(QLineEdit* box, Key key, DialogStore& store)
    : box_(box), key_(key), store_(store) {
  QObject::connect(box_, &QLineEdit::textChanged, box_, [this] { OnChanged(); });
}

void TextBinding::Load() {
  {
    QSignalBlocker quiet(box_);
    box_->setText(store_.ReadText(key_));
  }
  OnChanged();
}

void TextBinding::OnChanged() { store_.Write(key_, box_->text()); }

QScrollBar* MakeSlider(const char* name, int minimum, int maximum, QWidget* parent) {
  auto* slider = new QScrollBar(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(minimum, maximum);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  // A scroll bar inverts its keys by default (Left would raise the value);
  // as a slider, Left must lower it.
  slider->setInvertedControls(false);
  return slider;
}

QLineEdit* MakeValueBox(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(36);
  return box;
}

}  // namespace aerolark
