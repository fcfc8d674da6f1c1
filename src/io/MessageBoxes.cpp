#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace quillo {

void QtMessageBoxes::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void NullMessageBoxes::ShowError(const QString& text) {
  errors << text;
  std::fprintf(stderr, "quillo: %s\n", qPrintable(text));
}

}  // namespace quillo
