#include "TSaveForm.h"

namespace quillo {

// The save dialog's client size, over the main window's picture area.
constexpr int kSaveFormWidth = 260, kSaveFormHeight = 281;

TSaveForm::TSaveForm(const DialogHost& host) : ArtDialog(host, kSaveFormWidth, kSaveFormHeight) {
  setObjectName("SaveForm");
}

void TSaveForm::mousePressEvent(QMouseEvent*) {
  // Until its buttons exist, any press (or Escape) closes the dialog.
  EndModal(kModalCancel);
}

}  // namespace quillo
