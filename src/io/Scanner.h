#pragma once
// The scanner as a platform service over SANE (ScanSession.h). The real
// one runs an acquisition with our scanning dialog in place of the device's
// own user interface; the unavailable one (no SANE library on this machine,
// or forced for tests) acquires nothing.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/PlatformService.h"

class QWidget;

namespace quillo {

class TScanDialog;

class Scanner : public PlatformService {
 public:
  // One picture from the default device as a packed device-independent
  // bitmap, or nothing (cancelled, closed or failed; failures are reported
  // by the scanner itself). `window` is disabled while the scanning dialog
  // is up. pixelTypes 0 takes whatever the user chose.
  virtual std::optional<std::vector<std::uint8_t>> AcquireScannedDib(QWidget* window,
                                                                     unsigned pixelTypes) = 0;

 protected:
  using PlatformService::PlatformService;
};

class SaneScanner final : public Scanner {
 public:
  // `report` shows a failure; by default in a warning box titled "SANE Error".
  explicit SaneScanner(std::function<void(const QString&)> report = {});
  std::optional<std::vector<std::uint8_t>> AcquireScannedDib(QWidget* window,
                                                             unsigned pixelTypes) override;

  // Called once the scanning dialog is up; tests act on it there.
  std::function<void(TScanDialog&)> OnDialogShown;

 private:
  std::function<void(const QString&)> report_;
};

class UnavailableScanner final : public Scanner {
 public:
  explicit UnavailableScanner(std::string why) : Scanner(std::move(why)) {}
  std::optional<std::vector<std::uint8_t>> AcquireScannedDib(QWidget*, unsigned) override {
    return std::nullopt;
  }
};

// Why the scanner is missing: the source manager cannot be loaded.
inline constexpr const char* kNoSourceManager = "Unable to load Source Manager (libsane.so.1)";

// The SANE scanner when the library loads and initialises on this machine.
std::unique_ptr<Scanner> LoadScanner(bool forceUnavailable);

}  // namespace quillo
