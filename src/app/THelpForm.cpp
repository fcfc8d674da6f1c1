#include "THelpForm.h"

namespace quillo {

THelpForm::THelpForm() {
  setObjectName("HelpForm");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
