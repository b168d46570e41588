#include "setup/waiting_messages.h"

#include <utility>

namespace aerolark {

void WaitingMessages::Give(const Message& message, bool visible, const ShowFunction& show) {
  if (visible) {
    show(message);
  } else {
    waiting_.push_back(message);
  }
}

void WaitingMessages::ShowAll(const ShowFunction& show) {
  std::vector<Message> messages = std::move(waiting_);
  waiting_.clear();
  for (const Message& message : messages) show(message);
}

}  // namespace aerolark
