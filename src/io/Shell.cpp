#include "Shell.h"

#include <QDesktopServices>

#include "ScreenCheck.h"

namespace quillo {

void QtShell::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

std::unique_ptr<Shell> LoadShell(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableShell>(kForcedUnavailable);
  if (const std::string why = WhyNoScreen(); !why.empty())
    return std::make_unique<UnavailableShell>(why);
  return std::make_unique<QtShell>();
}

}  // namespace quillo
