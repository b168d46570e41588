#include "setup_view_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>

namespace aerolark::testing {
namespace {

// Whether a control shows all of itself at its size: a label, a button or
// the page tabs at least as large as they ask to be (a wrapped label as high
// as its lines), a box or a list wide enough for the text it shows.
bool ShowsAll(QWidget* w) {
  const QSize size = w->size();
  auto textFits = [w](const QRect& area, const QString& text) {
    return w->fontMetrics().horizontalAdvance(text) + 4 <= area.width() &&
           w->height() >= w->minimumSizeHint().height();
  };
  if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
    return size.height() >= label->heightForWidth(size.width());
  }
  if (auto* box = qobject_cast<QLineEdit*>(w)) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    return textFits(box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box), box->text());
  }
  if (auto* list = qobject_cast<QComboBox*>(w)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    return textFits(list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list),
                    list->currentText());
  }
  const QSize needed = qobject_cast<QTabBar*>(w) ? w->sizeHint() : w->minimumSizeHint();
  return size.width() >= needed.width() && size.height() >= needed.height();
}

}  // namespace

void EnsureApplication() {
  if (QApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "setup_view_test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, 8)); }

std::string FocusName() {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) return "(none)";
  return qobject_cast<QTabBar*>(focus) ? "tabs" : focus->objectName().toStdString();
}

std::vector<std::string> Clipped(QWidget* window) {
  std::vector<std::string> faults;
  std::vector<std::pair<QRect, std::string>> placed;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                         qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QAbstractSlider*>(w) || qobject_cast<QTabBar*>(w);
    QWidget* holder = w->parentWidget();
    if (!control || !w->isVisible() || qobject_cast<QComboBox*>(holder) || qobject_cast<QTabBar*>(holder)) continue;
    const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
    std::string name = w->objectName().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) name += '"' + label->text().left(20).toStdString() + '"';
    if (auto* button = qobject_cast<QAbstractButton*>(w)) name += '"' + button->text().toStdString() + '"';
    // A control whose size the layout ignores shows its text whole otherwise (a tip).
    const bool mayBeCut = w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
    if (!mayBeCut && !ShowsAll(w)) faults.push_back(name + " is cut off");
    for (QWidget* a = holder; a && a != window; a = a->parentWidget()) {
      if (!QRect(a->mapTo(window, QPoint(0, 0)), a->size()).contains(at)) faults.push_back(name + " sticks out");
    }
    for (const auto& [other, otherName] : placed) {
      if (other.intersects(at)) faults.push_back(name + " overlaps " + otherName);
    }
    placed.emplace_back(at, name);
  }
  return faults;
}


void SetupView::Open(Settings& store) {
  EnsureApplication();
  SetupServices services;
  services.showMessage = [this](QWidget* owner, const Message& m) {
    messages.push_back(m);
    overShownDialog.push_back(owner && owner->isVisible());
  };
  services.fontFamilies = [] { return TestFamilies(); };
  services.fileSystems = [] { return std::vector<FileSystem>{{"/", ""}}; };
  services.openUrl = [this](const std::string& address) { openedPages.push_back(address); };
  services.runModal = [this](QDialog& dialog) { runModal(dialog); };
  setup = std::make_unique<aerolark::Setup>(store, "/opt/aerolark/share/aerolark/", services);
  setup->show();
  setup->activateWindow();
  if (!QTest::qWaitForWindowActive(setup.get())) throw std::runtime_error("dialog not active");
}

}  // namespace aerolark::testing
