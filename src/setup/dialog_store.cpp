#include "setup/dialog_store.h"

#include "setup/message.h"

namespace aerolark {

DialogStore::DialogStore(Settings& settings, MessageSink& messages)
    : settings_(settings), messages_(messages) {}

std::string DialogStore::Read(Key key) { return ReadSetting(settings_, key); }

bool DialogStore::Write(Key key, std::string_view value) {
  return Reported(WriteSetting(settings_, key, value));
}

void DialogStore::EnsureDefaults(std::string_view installFolder) {
  Reported(aerolark::EnsureDefaults(settings_, installFolder));
}

bool DialogStore::Reported(const WriteStatus& status) {
  if (status.ok) return true;
  if (failureReported_) return false;
  failureReported_ = true;
  const std::string reason = status.error.empty() ? "unknown reason" : status.error;
  messages_.Show(Message{"Aerolark",
                         "Your changes cannot be saved (" + reason +
                             ").\n\nThe settings stay as they were; you can keep using the dialog.",
                         MessageIcon::Information});
  return false;
}

}  // namespace aerolark
