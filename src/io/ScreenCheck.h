#pragma once
// Whether the toolkit shows windows on a real screen: the offscreen and
// minimal platforms (tests, headless runs) have none, and a service that
// opens windows or hands things to the desktop does not work there.
#include <memory>
#include <string>

#include "base/PlatformService.h"

namespace quillo {

// Empty when windows reach a screen; otherwise why they do not.
std::string WhyNoScreen();

// The loader of a service that needs a screen: the real adapter, or the
// unavailable one (constructed with the reason) when forced or without a screen.
template <class Service, class Real, class Unavailable>
std::unique_ptr<Service> LoadScreenService(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<Unavailable>(kServiceTurnedOff);
  if (const std::string why = WhyNoScreen(); !why.empty())
    return std::make_unique<Unavailable>(why);
  return std::make_unique<Real>();
}

}  // namespace quillo
