#include "QuilloApplication.h"

#include <cstdio>
#include <exception>

#include "io/MessageBoxes.h"

namespace quillo {

QuilloApplication::QuilloApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quillo");
  setApplicationDisplayName("Quillo");
  setOrganizationName("Tessaray");
}

void QuilloApplication::ShowError(const QString& text) {
  if (boxes_)
    boxes_->ShowError(text);
  else
    std::fprintf(stderr, "quillo: %s\n", qPrintable(text));
}

bool QuilloApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowError(QString::fromUtf8(e.what()));
  }
  return false;
}

}  // namespace quillo
