#pragma once
// A message box the dialog or a chooser shows, and where it goes. The view
// shows it modally; tests record it instead, so nothing blocks.

#include <string>

namespace aerolark {

enum class MessageIcon { None, Information, Exclamation, About };

struct Message {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  bool operator==(const Message&) const = default;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns once the user has acknowledged the message.
  virtual void Show(const Message& message) = 0;
};

}  // namespace aerolark
