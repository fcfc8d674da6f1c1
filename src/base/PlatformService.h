#pragma once
// What every platform service (message boxes, the desktop's "open", sound,
// the file choosers, the printer, the codec choice, the scanner and the
// clipboard; app/Services.h holds them all) tells about itself: whether it
// works on this machine and, when it does not, why. Each service has a loader
// that returns the real adapter when it works here, or an unavailable one
// that says why, does nothing and answers what it supports; the controls
// that need it fade on that answer.
#include <string>
#include <utility>

namespace quillo {

// Why a service is unavailable when a test turned it off (QUILLO_NULL_SERVICES=1).
inline constexpr const char* kServiceTurnedOff = "Turned off for this run";

class PlatformService {
 public:
  virtual ~PlatformService() = default;

  bool Available() const { return why_.empty(); }
  // Why the service does not work here, fit to show the user; empty when it does.
  const std::string& WhyUnavailable() const { return why_; }

 protected:
  PlatformService() = default;
  explicit PlatformService(std::string whyUnavailable) : why_(std::move(whyUnavailable)) {}

 private:
  std::string why_;
};

}  // namespace quillo
