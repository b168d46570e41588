#pragma once
// The dialog's door to the settings store: reads with each key's declared
// default and writes at once. The first write that fails during a dialog
// session is reported to the user once; later failures stay quiet so the
// user is not flooded while they keep working.

#include <string>
#include <string_view>

#include "settings/setting_keys.h"

namespace aerolark {

class MessageSink;

class DialogStore {
 public:
  DialogStore(Settings& settings, MessageSink& messages);

  std::string Read(Key key);
  // True when the value was stored.
  bool Write(Key key, std::string_view value);
  // Fills a store that has never been filled with the defaults, as the
  // saver's first start would. `installFolder` ends with a separator.
  void EnsureDefaults(std::string_view installFolder);

  bool writeFailureReported() const { return failureReported_; }

 private:
  Settings& settings_;
  MessageSink& messages_;
  bool failureReported_ = false;

  // Tells the user of the first failed write; true when `status` is ok.
  bool Reported(const WriteStatus& status);
};

}  // namespace aerolark
