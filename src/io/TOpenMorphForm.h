#pragma once
// The morph source dialog: chooses between a morph file (Tag 1) and a
// clip-art morph (Tag 2); Cancel leaves Tag 0. Created once at start-up and
// shown modally over the main window's picture area.
#include "ArtDialog.h"

namespace quillo {

class TOpenMorphForm : public ArtDialog {
  Q_OBJECT
 public:
  explicit TOpenMorphForm(const DialogHost& host);

  int Tag = 0;

  TGraphicButton* bFile = nullptr;
  TGraphicButton* bClipart = nullptr;
  TGraphicButton* bCancel = nullptr;

  void bFileClick();
  void bClipartClick();
  void bCancelClick();

 protected:
  // Each showing starts with no choice made, so Escape leaves Tag 0.
  void showEvent(QShowEvent* event) override;
};

}  // namespace quillo
