#pragma once
// Whole-file reading with a size limit, and writing that replaces the target
// only once the new content is completely on disk.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillo {

// Reads a regular file (a pipe, a device or a folder is refused at once,
// never waited on); throws quillo::Error "Cannot open file <path>" when it
// cannot be opened or read, and "File too large: <path>" beyond maxBytes.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path,
                                        std::uint64_t maxBytes = 512ull * 1024 * 1024);

// Why a file could not be created or written, in plain words, for an errno
// value: "the disk is full", "the file system is read-only", "permission
// denied", "the folder does not exist", ...
std::string FileErrorReason(int code);

// A file written under a temporary name in the target's folder that replaces
// the target on Commit(), keeping the replaced file's permissions (a new file
// gets the ones a plain create would). Dropped before Commit(), it removes
// its temporary file and leaves the target as it was. Every failure throws
// quillo::Error "Cannot create file <path>: <reason>."; the target is then
// untouched and the temporary file gone. A target that is a symbolic link
// has the file it points to replaced, not the link.
class AtomicFile {
 public:
  explicit AtomicFile(std::string path);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // The temporary file's descriptor, for writers that seek (a video muxer).
  int Descriptor() const { return fd_; }
  const std::string& Path() const { return path_; }
  // The temporary file's own name, for a writer that reads back what it
  // wrote (an MP4 muxer moving its index to the front).
  const std::string& TemporaryPath() const { return temp_; }

  void Write(std::span<const std::uint8_t> bytes);
  // Throws the error of this file for errno `code` (a writer of its own
  // that failed on the descriptor), removing the temporary file first.
  [[noreturn]] void Fail(int code);
  // Puts the file on disk and renames it over the target.
  void Commit();

 private:
  void Discard();

  std::string path_;    // as the caller named it, for messages
  std::string target_;  // what is replaced: path_, or where its link points
  std::string temp_;
  int fd_ = -1;
};

// Writes bytes through an AtomicFile.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Whether path names a regular file (not a folder, a device or a pipe).
bool IsRegularFile(const std::string& path);

// The folder of what Quillo keeps between runs to save work (the encoders
// found, the music rendered): $XDG_CACHE_HOME/quillo, or ~/.cache/quillo;
// empty when neither XDG_CACHE_HOME nor HOME is set.
std::string CacheFolder();

}  // namespace quillo
