#include "THelpForm.h"

namespace quillo {

THelpForm::THelpForm(TJumpForm& jumpForm) : jumpForm_(jumpForm) {
  setObjectName("HelpForm");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
