#include "TOpenForm.h"

namespace quillo {

TOpenForm::TOpenForm() {
  setObjectName("OpenForm");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
