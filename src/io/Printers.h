#pragma once
// The printer as a platform service: the real one asks the user for a
// printer and its setup in the toolkit's print dialog; the unavailable one
// (no screen, or forced for tests) has none to offer.
#include <memory>

#include "base/PlatformService.h"

class QPrinter;
class QWidget;

namespace quillo {

class Printers : public PlatformService {
 public:
  // A printer set up by the user, or nothing when the user cancelled.
  virtual std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent) = 0;

 protected:
  using PlatformService::PlatformService;
};

class QtPrinters final : public Printers {
 public:
  std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent) override;
};

class UnavailablePrinters final : public Printers {
 public:
  explicit UnavailablePrinters(std::string why) : Printers(std::move(why)) {}
  std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent) override;
};

// The print dialog when there is a screen to show it on.
std::unique_ptr<Printers> LoadPrinters(bool forceUnavailable);

}  // namespace quillo
