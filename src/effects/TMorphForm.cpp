#include "TMorphForm.h"

#include "io/MessageBoxes.h"

namespace quillo {

TMorphForm::TMorphForm(MessageBoxes& messages) : messages_(messages) {}

void TMorphForm::LoadStartMorph(const std::string& path) { (void)path; }

}  // namespace quillo
