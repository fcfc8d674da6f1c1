#pragma once
// The system clipboard's pictures as a platform service: the picture source
// dialog takes one from it, the save dialog and the image codec adapter put
// one on it. Every picture goes on as 24 bits per pixel and comes off as a
// bitmap within the picture limits.
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "base/Bitmap.h"
#include "base/PlatformService.h"

namespace quillo {

class Clipboard : public PlatformService {
 public:
  // True when the clipboard holds a picture (a bitmap in any format).
  virtual bool HasPicture() const = 0;
  // The clipboard's picture, or nothing when it holds none. Throws
  // quillo::Error when the picture is beyond the picture limits.
  virtual std::optional<Bitmap> Picture() const = 0;
  // Replaces the clipboard's contents with the picture.
  virtual void SetPicture(const Bitmap& picture) = 0;

 protected:
  using PlatformService::PlatformService;
};

class QtClipboard final : public Clipboard {
 public:
  bool HasPicture() const override;
  std::optional<Bitmap> Picture() const override;
  void SetPicture(const Bitmap& picture) override;
};

// Holds nothing and takes nothing.
class UnavailableClipboard final : public Clipboard {
 public:
  explicit UnavailableClipboard(std::string why) : Clipboard(std::move(why)) {}
  bool HasPicture() const override { return false; }
  std::optional<Bitmap> Picture() const override { return std::nullopt; }
  void SetPicture(const Bitmap&) override {}
};

// The toolkit's clipboard, which every session has (without a desktop's it
// is the program's own).
std::unique_ptr<Clipboard> LoadClipboard(bool forceUnavailable);

}  // namespace quillo
