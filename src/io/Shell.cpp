#include "Shell.h"

#include <QDesktopServices>

namespace quillo {

void QtShell::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

}  // namespace quillo
