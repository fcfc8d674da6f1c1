#pragma once
// Message boxes as a platform service, so that every screen can be driven
// without a person: the real one shows a box; the unavailable one (no screen
// to show it on, or forced for tests) writes the message to standard error.
#include <QString>
#include <memory>

#include "base/PlatformService.h"

namespace quillo {

class MessageBoxes : public PlatformService {
 public:
  // The application's error box: a message and an OK button.
  virtual void ShowError(const QString& text) = 0;

 protected:
  using PlatformService::PlatformService;
};

class QtMessageBoxes final : public MessageBoxes {
 public:
  void ShowError(const QString& text) override;
};

class UnavailableMessageBoxes final : public MessageBoxes {
 public:
  explicit UnavailableMessageBoxes(std::string why) : MessageBoxes(std::move(why)) {}
  void ShowError(const QString& text) override;
};

// The real message boxes when the toolkit has a screen to show them on.
std::unique_ptr<MessageBoxes> LoadMessageBoxes(bool forceUnavailable);

}  // namespace quillo
