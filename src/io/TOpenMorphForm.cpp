#include "TOpenMorphForm.h"

#include <QShowEvent>

#include "skin/TGraphicButton.h"

namespace quillo {

namespace {

constexpr int kFormWidth = 258;
constexpr int kFormHeight = 279;

}  // namespace

TOpenMorphForm::TOpenMorphForm(const DialogHost& host) : ArtDialog(host, kFormWidth, kFormHeight) {
  setObjectName("OpenMorphForm");
  bFile = AddButton("bFile", 26, 57, "Load From File", false);
  bClipart = AddButton("bClipart", 137, 57, "Load From Clipart", false);
  bCancel = AddButton("bCancel", 82, 207, "Cancel", false);
  bFile->OnClick = [this](TGraphicButton*) { bFileClick(); };
  bClipart->OnClick = [this](TGraphicButton*) { bClipartClick(); };
  bCancel->OnClick = [this](TGraphicButton*) { bCancelClick(); };
}

void TOpenMorphForm::showEvent(QShowEvent* event) {
  ArtDialog::showEvent(event);
  if (!event->spontaneous()) Tag = 0;
}

void TOpenMorphForm::bFileClick() {
  Tag = 1;
  EndModal(kModalOk);
}

void TOpenMorphForm::bClipartClick() {
  Tag = 2;
  EndModal(kModalOk);
}

void TOpenMorphForm::bCancelClick() {
  Tag = 0;
  EndModal(kModalCancel);
}

}  // namespace quillo
