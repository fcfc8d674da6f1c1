#pragma once
// Temporary folders for tests, and a small data folder to start Quillo with.
#include <QString>
#include <QTemporaryDir>
#include <set>
#include <string>

#include "base/Bitmap.h"

namespace quillo::testing {

// A data folder with every required file, in mixed letter case as a user's
// copy might have it. The files named in `omit` are left out: each is named by
// its file name in any letter case ("quillo.bmp") or by the program's name for
// it (quillo::kStartPictureFile).
class DataFolder {
 public:
  explicit DataFolder(const std::set<std::string>& omit = {});
  // The folder holding "Resource", with a trailing "/".
  std::string Path() const;
  // The default face written into it.
  const Bitmap& DefaultFace() const { return defaultFace_; }

 private:
  QTemporaryDir dir_;
  Bitmap defaultFace_;
};

// A face whose pixels all differ.
Bitmap TestFace(int w, int h);

}  // namespace quillo::testing
