#include <QMessageBox>

#include "setup/qt/qt_controls.h"
#include "setup/qt/setup_services.h"

namespace aerolark {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::None:
    case MessageIcon::About: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void ShowMessageBox(QWidget* owner, const Message& message) {
  if (message.icon == MessageIcon::About) {
    QMessageBox::about(owner, ToQt(message.caption), ToQt(message.text));
    return;
  }
  QMessageBox box(BoxIcon(message.icon), ToQt(message.caption), ToQt(message.text),
                  QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace aerolark
