#include "TJumpForm.h"

namespace quillo {

void TJumpForm::HelpPanelClick(QObject*) {}

}  // namespace quillo
