#include "TOpenMorphForm.h"

namespace quillo {

TOpenMorphForm::TOpenMorphForm() {
  setObjectName("OpenMorphForm");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

}  // namespace quillo
