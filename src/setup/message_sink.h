#pragma once
// Where the dialog's message boxes go. The real sink shows a modal box; tests
// record the messages instead, so nothing blocks.

#include <QString>

class QWidget;

namespace aerolark {

enum class MessageIcon { None, Information, Exclamation, About };

struct Message {
  QString caption;
  QString text;
  MessageIcon icon = MessageIcon::None;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns once the user has acknowledged the message.
  virtual void Show(QWidget* owner, const Message& message) = 0;
};

// Shows each message in a modal QMessageBox with one OK button.
class MessageBoxSink final : public MessageSink {
 public:
  void Show(QWidget* owner, const Message& message) override;
};

}  // namespace aerolark
