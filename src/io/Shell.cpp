#include "Shell.h"

#include <QDesktopServices>

#include "ScreenCheck.h"

namespace quillo {

void QtShell::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

std::unique_ptr<Shell> LoadShell(bool forceUnavailable) {
  return LoadScreenService<Shell, QtShell, UnavailableShell>(forceUnavailable);
}

}  // namespace quillo
