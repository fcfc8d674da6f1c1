#include "TServerForm.h"

namespace quillo {

TServerForm::TServerForm() {
  setObjectName("ServerForm");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
