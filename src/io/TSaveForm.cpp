#include "TSaveForm.h"

namespace quillo {

TSaveForm::TSaveForm() {
  setObjectName("SaveForm");
}

}  // namespace quillo
