#pragma once
// The desktop's "open" verb as a platform service: web addresses and written
// files are handed to the user's preferred program.
#include <QUrl>
#include <memory>

#include "base/PlatformService.h"

namespace quillo {

class Shell : public PlatformService {
 public:
  virtual void Open(const QUrl& url) = 0;

 protected:
  using PlatformService::PlatformService;
};

class QtShell final : public Shell {
 public:
  void Open(const QUrl& url) override;
};

// Opens nothing.
class UnavailableShell final : public Shell {
 public:
  explicit UnavailableShell(std::string why) : Shell(std::move(why)) {}
  void Open(const QUrl&) override {}
};

// The desktop's "open" when there is a desktop to hand things to.
std::unique_ptr<Shell> LoadShell(bool forceUnavailable);

}  // namespace quillo
