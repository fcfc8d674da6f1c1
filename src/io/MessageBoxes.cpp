#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "ScreenCheck.h"

namespace quillo {

void QtMessageBoxes::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void UnavailableMessageBoxes::ShowError(const QString& text) {
  std::fprintf(stderr, "quillo: %s\n", qPrintable(text));
}

std::unique_ptr<MessageBoxes> LoadMessageBoxes(bool forceUnavailable) {
  return LoadScreenService<MessageBoxes, QtMessageBoxes, UnavailableMessageBoxes>(forceUnavailable);
}

}  // namespace quillo
