#include "setup/message_sink.h"

#include <QMessageBox>

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

void MessageBoxSink::Show(QWidget* owner, const Message& message) {
  if (message.icon == MessageIcon::About) {
    QMessageBox::about(owner, message.caption, message.text);
    return;
  }
  QMessageBox box(BoxIcon(message.icon), message.caption, message.text, QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace aerolark
