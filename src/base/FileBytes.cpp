#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/Error.h"

namespace quillo {

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::uint64_t maxBytes) {
  // Non-blocking, so that opening a pipe does not wait for a writer.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
    throw Error("Cannot open file " + path);
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) throw Error("File too large: " + path);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw Error("Cannot open file " + path);
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
      throw Error("File too large: " + path);
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  return bytes;
}

std::string FileErrorReason(int code) {
  switch (code) {
    case ENOSPC:
    case EDQUOT:
      return "the disk is full";
    case EROFS:
      return "the file system is read-only";
    case EACCES:
    case EPERM:
      return "permission denied";
    case ENOENT:
    case ENOTDIR:
      return "the folder does not exist";
    case EISDIR:
      return "it is a folder";
    case ENAMETOOLONG:
      return "the name is too long";
    case EFBIG:
      return "the file would be too large";
    case EIO:
      return "the disk reported an input/output error";
    default: {
      std::string text = std::strerror(code);
      if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
      return text;
    }
  }
}

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)), target_(path_) {
  // Saving over a link replaces the file it points to, not the link.
  struct stat st {};
  if (::lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* resolved = ::realpath(path_.c_str(), nullptr)) {
      target_ = resolved;
      std::free(resolved);
    }
  }
  const std::string::size_type slash = target_.rfind('/');
  temp_ = (slash == std::string::npos ? std::string() : target_.substr(0, slash + 1)) +
          ".quillo-XXXXXX";
  fd_ = ::mkstemp(temp_.data());
  if (fd_ < 0) {
    const int code = errno;
    temp_.clear();
    Fail(code);
  }
}

AtomicFile::~AtomicFile() {
  Discard();
}

void AtomicFile::Discard() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

void AtomicFile::Fail(int code) {
  Discard();
  throw Error("Cannot create file " + path_ + ": " + FileErrorReason(code) + ".");
}

void AtomicFile::Write(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) Fail(EBADF);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(errno);
    if (n == 0) Fail(EIO);
    done += static_cast<std::size_t>(n);
  }
}

void AtomicFile::Commit() {
  if (fd_ < 0) Fail(EBADF);
  struct stat st {};
  if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    // The replaced file's mode, and its owner and group where we may set them.
    if (::fchmod(fd_, st.st_mode & 07777) != 0) Fail(errno);
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0 &&
        ::fchown(fd_, static_cast<uid_t>(-1), st.st_gid) != 0) {
      // Not ours to give away: the new file keeps our own.
    }
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd_, 0666 & ~mask) != 0) Fail(errno);
  }
  if (::fsync(fd_) != 0) Fail(errno);
  if (::close(std::exchange(fd_, -1)) != 0) Fail(errno);
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno);
  temp_.clear();  // it is the target now
}

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  AtomicFile file(path);
  file.Write(bytes);
  file.Commit();
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string CacheFolder() {
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/')
    return std::string(cache) + "/quillo";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::string(home) + "/.cache/quillo";
  return {};
}

}  // namespace quillo
