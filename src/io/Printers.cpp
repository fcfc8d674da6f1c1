#include "Printers.h"

#include <QPrintDialog>
#include <QPrinter>

#include "ScreenCheck.h"

namespace quillo {

std::unique_ptr<Printers> LoadPrinters(bool forceUnavailable) {
  return LoadScreenService<Printers, QtPrinters, UnavailablePrinters>(forceUnavailable);
}

std::unique_ptr<QPrinter> QtPrinters::ChoosePrinter(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

// Out of line, where QPrinter is complete (the header only declares it).
std::unique_ptr<QPrinter> UnavailablePrinters::ChoosePrinter(QWidget*) {
  return nullptr;
}

}  // namespace quillo
