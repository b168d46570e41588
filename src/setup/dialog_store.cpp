#include "setup/dialog_store.h"

#include "setup/message_sink.h"

namespace aerolark {

DialogStore::DialogStore(Settings& settings, MessageSink& messages)
    : settings_(settings), messages_(messages) {}

std::string DialogStore::Read(Key key) { return ReadSetting(settings_, key); }

QString DialogStore::ReadText(Key key) { return QString::fromStdString(Read(key)); }

bool DialogStore::Write(Key key, std::string_view value) {
  WriteStatus status = WriteSetting(settings_, key, value);
  if (status.ok) return true;
  if (failureReported_) return false;
  failureReported_ = true;
  QString reason = QString::fromStdString(status.error);
  if (reason.isEmpty()) reason = QStringLiteral("unknown reason");
  messages_.Show(owner_, Message{QStringLiteral("Aerolark"),
                                 QStringLiteral("Your changes cannot be saved (%1).\n\n"
                                                "The settings stay as they were; you can "
                                                "keep using the dialog.")
                                     .arg(reason),
                                 MessageIcon::Information});
  return false;
}

bool DialogStore::Write(Key key, const QString& value) { return Write(key, value.toStdString()); }

}  // namespace aerolark
