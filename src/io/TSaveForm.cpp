#include "TSaveForm.h"

namespace quillo {

TSaveForm::TSaveForm() {
  setObjectName("SaveForm");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
