#include "TCaptureBitmapDialog.h"

namespace quillo {

TCaptureBitmapDialog::TCaptureBitmapDialog() {
  setObjectName("CaptureBitmapDialog");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
