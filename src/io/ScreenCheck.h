#pragma once
// Whether the toolkit shows windows on a real screen: the offscreen and
// minimal platforms (tests, headless runs) have none, and a service that
// opens windows or hands things to the desktop does not work there.
#include <string>

namespace quillo {

// Why a service was made unavailable on purpose (QUILLO_NULL_SERVICES=1).
inline constexpr const char* kForcedUnavailable = "Turned off for this run";

// Empty when windows reach a screen; otherwise why they do not.
std::string WhyNoScreen();

}  // namespace quillo
