#include "settings/linux/ini_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>

#include "settings/linux/file_lock.h"
#include "settings/ini_document.h"

namespace aerolark {
namespace {

// A settings file larger than this is not ours to parse: reads give the
// defaults and writes refuse, so the file is never replaced by a partial copy.
constexpr off_t kMaxFileSize = 64 * 1024 * 1024;

// How long a write waits for another writer. A writer that hangs (stopped,
// or stuck) must not hang the saver or the dialog with it: past this the
// write is reported as failed and the program carries on.
constexpr std::chrono::milliseconds kLockPatience{3000};

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  bool operator==(const FileIdentity& o) const {
    return device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
           changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
  }
};

FileIdentity IdentityOf(const struct stat& st) {
  return FileIdentity{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

std::string SystemError(const std::string& what, const std::filesystem::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { if (fd_ >= 0) ::close(fd_); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() { int fd = fd_; fd_ = -1; return fd; }
 private:
  int fd_;
};

// The whole content of an open file; nothing on a read error.
std::optional<std::string> ReadAll(int fd) {
  std::string text;
  char buffer[16384];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return text;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    text.append(buffer, static_cast<std::size_t>(n));
    if (static_cast<off_t>(text.size()) > kMaxFileSize) return std::nullopt;
  }
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

struct IniSettingsStore::Impl {
  using Clock = std::chrono::steady_clock;

  std::filesystem::path file;
  std::chrono::milliseconds recheck{0};
  std::optional<Clock::time_point> lastLook;  // none: look at the next read
  std::optional<FileIdentity> cachedIdentity;
  IniDocument cached;
  int parses = 0;
  // Values already found in `cached`, by section and key as asked: the saver
  // asks the same few at every scene.
  std::unordered_map<std::string, std::optional<std::string>> found;
  std::string asked;  // section and key of a read; its room kept from read to read

  // The document as the file holds it now, looked at no more often than
  // `recheck` allows; parsed again only when the file changed.
  const IniDocument& Current() {
    const Clock::time_point now = Clock::now();
    if (cachedIdentity && lastLook && now - *lastLook < recheck) return cached;
    lastLook = now;
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileSize) {
      cachedIdentity.reset();
      cached = IniDocument();
      found.clear();
      return cached;
    }
    FileIdentity identity = IdentityOf(st);
    if (cachedIdentity && *cachedIdentity == identity) return cached;
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    std::optional<std::string> text = fd.valid() ? ReadAll(fd.get()) : std::nullopt;
    cached = IniDocument::Parse(text.value_or(std::string()));
    found.clear();
    ++parses;
    // Remember the identity only when the read succeeded, so a failed read is retried.
    if (text) cachedIdentity = identity; else cachedIdentity.reset();
    return cached;
  }

  // Valid until the next read or write.
  const std::optional<std::string>& Find(std::string_view section, std::string_view key) {
    const IniDocument& document = Current();
    asked.assign(section).push_back('\n');
    asked.append(key);
    const auto known = found.find(asked);
    if (known != found.end()) return known->second;
    return found.emplace(asked, document.Find(section, key)).first->second;
  }

  WriteStatus Write(std::string_view section, std::string_view key, std::string_view value);
  std::optional<std::string> ReadForUpdate(std::string* error);
  bool ReplaceFile(const std::string& text, std::string* error);
};

IniSettingsStore::IniSettingsStore(std::filesystem::path file, std::chrono::milliseconds recheck)
    : impl_(std::make_unique<Impl>()) {
  impl_->file = std::move(file);
  impl_->recheck = recheck;
}

IniSettingsStore::~IniSettingsStore() = default;

std::filesystem::path IniSettingsStore::DefaultPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path base;
  if (config != nullptr && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = std::filesystem::path(home != nullptr && home[0] != '\0' ? home : "/tmp") / ".config";
  }
  return base / "aerolark" / "aerolark.ini";
}

std::string IniSettingsStore::ReadSetting(std::string_view section, std::string_view key,
                                          std::string_view fallback) {
  const std::optional<std::string>& value = impl_->Find(section, key);
  return value ? *value : std::string(fallback);
}

WriteStatus IniSettingsStore::WriteSetting(std::string_view section, std::string_view key,
                                           std::string_view value) {
  return impl_->Write(section, key, value);
}

const std::filesystem::path& IniSettingsStore::path() const { return impl_->file; }
int IniSettingsStore::parseCount() const { return impl_->parses; }

// The file's text read under the lock; "" when it does not exist yet.
std::optional<std::string> IniSettingsStore::Impl::ReadForUpdate(std::string* error) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENOENT) return std::string();
    *error = SystemError("Cannot read", file);
    return std::nullopt;
  }
  std::optional<std::string> text = ReadAll(fd.get());
  if (!text) *error = "Cannot read " + file.string() + " (unreadable or too large)";
  return text;
}

// Writes a temporary file beside the old one, flushes it and renames it over,
// so a reader or a crash sees either the old file or the new one.
bool IniSettingsStore::Impl::ReplaceFile(const std::string& text, std::string* error) {
  std::string pattern = file.string() + ".XXXXXX";
  FileDescriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
  if (!fd.valid()) {
    *error = SystemError("Cannot write", file.parent_path());
    return false;
  }
  struct stat old {};
  mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0;
  if (!written) *error = SystemError("Cannot write", file);
  if (::close(fd.release()) != 0 && written) {
    written = false;
    *error = SystemError("Cannot write", file);
  }
  if (written && ::rename(pattern.c_str(), file.c_str()) != 0) {
    written = false;
    *error = SystemError("Cannot replace", file);
  }
  if (!written) ::unlink(pattern.c_str());
  return written;
}

WriteStatus IniSettingsStore::Impl::Write(std::string_view section, std::string_view key,
                                          std::string_view value) {
  WriteStatus status;
  lastLook.reset();  // the next read sees this write
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);

  // Read-modify-write under an exclusive lock, so that two processes writing
  // different keys at once both keep their value.
  std::string lockPath = file.string() + ".lock";
  FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!lock.valid()) {
    return WriteStatus{false, SystemError("Cannot lock", file)};
  }
  if (!LockWithin(lock.get(), kLockPatience)) {
    if (errno != EWOULDBLOCK) return WriteStatus{false, SystemError("Cannot lock", file)};
    return WriteStatus{false, "Cannot write " + file.string() +
                                  ": another program keeps it locked"};
  }
  std::optional<std::string> text = ReadForUpdate(&status.error);
  if (!text) {
    status.ok = false;
    return status;
  }
  IniDocument document = IniDocument::Parse(*text);
  if (document.Find(section, key) == std::string(value)) return status;
  document.Set(section, key, value);
  status.ok = ReplaceFile(document.Serialize(), &status.error);
  return status;
}

}  // namespace aerolark
