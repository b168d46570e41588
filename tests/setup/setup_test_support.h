#pragma once
// Shared pieces of the dialog tests: an in-memory settings store that records
// every write, a message sink that records instead of blocking, and the
// offscreen application the widgets need.

#include <QApplication>
#include <QStringList>
#include <map>
#include <ostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/setting_keys.h"
#include "setup/message_sink.h"
#include "setup/setup_dialog.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace aerolark::testing {

struct RecordedWrite {
  std::string section;
  std::string key;
  std::string value;
  bool operator==(const RecordedWrite&) const = default;
};

class RecordingSettings final : public Settings {
 public:
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override;
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override;

  // Stores a value without recording it, as a hand edit would.
  void Put(Key key, std::string_view value);
  std::optional<std::string> Stored(Key key) const;
  // The values written under `key`, in order.
  std::vector<std::string> WritesOf(Key key) const;
  std::map<std::string, std::string> Snapshot() const { return values_; }

  std::vector<RecordedWrite> writes;
  bool failWrites = false;

 private:
  std::map<std::string, std::string> values_;  // "section/key" in lower case
};

class RecordingSink final : public MessageSink {
 public:
  void Show(QWidget*, const Message& message) override { messages.push_back(message); }
  std::vector<Message> messages;
};

// Creates the offscreen application once for the whole test binary.
void EnsureApplication();

// Sixty made-up families, already sorted as the system hands them over.
QStringList TestFamilies(int count = 60);

struct DialogHarness {
  explicit DialogHarness(QStringList families = TestFamilies(),
                         std::vector<FileSystem> fileSystems = {});
  std::unique_ptr<Setup> Open();

  RecordingSettings settings;
  RecordingSink sink;
  QStringList families;
  std::vector<FileSystem> fileSystems;
  std::vector<QString> openedUrls;
  std::function<void(QDialog&)> runModal = [](QDialog&) {};
};

template <typename T>
T* Find(QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (!child) throw std::runtime_error(std::string("no control ") + name);
  return child;
}

}  // namespace aerolark::testing
