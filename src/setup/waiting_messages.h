#pragma once
// Messages the dialog's logic gives before its window is on the screen (a
// store that cannot be written, found while the dialog opens) wait until it
// is shown, so that each box appears over the dialog, not before it.

#include <functional>
#include <vector>

#include "setup/message.h"

namespace aerolark {

class WaitingMessages {
 public:
  using ShowFunction = std::function<void(const Message&)>;

  // Shows `message` through `show` at once when the dialog is `visible`;
  // keeps it otherwise.
  void Give(const Message& message, bool visible, const ShowFunction& show);
  bool any() const { return !waiting_.empty(); }
  // Shows the kept messages in order; none are kept afterwards, also when
  // showing one gives another.
  void ShowAll(const ShowFunction& show);

 private:
  std::vector<Message> waiting_;
};

}  // namespace aerolark
