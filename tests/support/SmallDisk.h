#pragma once
// A tiny disk of a test's own: a tmpfs of a few kilobytes mounted on a
// scratch folder (full after that much, or read-only), so that a full disk
// and a read-only file system are real, not simulated. Mounting needs root;
// Mounted() says whether it worked, and tests skip without it.
#include <sys/mount.h>

#include <string>

#include "ScratchFolder.h"

namespace quillo::testing {

class SmallDisk {
 public:
  explicit SmallDisk(int kilobytes, bool readOnly = false) {
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    mounted_ = ::mount("tmpfs", folder_.Path().c_str(), "tmpfs", readOnly ? MS_RDONLY : 0,
                       options.c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted_; }
  std::string File(const std::string& name) const { return folder_.File(name); }

 private:
  ScratchFolder folder_;
  bool mounted_ = false;
};

}  // namespace quillo::testing
