#include "TOpenForm.h"

namespace quillo {

TOpenForm::TOpenForm() {
  setObjectName("OpenForm");
}

}  // namespace quillo
