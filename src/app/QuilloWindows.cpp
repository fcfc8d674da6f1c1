#include "QuilloWindows.h"

#include "Services.h"
#include "skin/TGraphicButton.h"

namespace quillo {

namespace {

// What the dialogs over the picture area take from the main window.
DialogHost HostOf(TJumpForm& form) {
  return {form, form.BackgroundBitmap, *form.GraphicButton5, form.Resource,
          [&form](const std::string& name) { form.PlayCue(name); }};
}

}  // namespace

QuilloWindows::QuilloWindows(Services& services)
    : JumpForm(std::make_unique<TJumpForm>(services)),
      WarpWindow(new TWarpWindow(JumpForm->Client(), JumpForm->WarpWindowControls())),
      BlendForm(std::make_unique<TBlendForm>()),
      MorphForm(std::make_unique<TMorphForm>(*services.messages, services.faces.get())),
      OpenForm(std::make_unique<TOpenForm>(HostOf(*JumpForm), *services.files, *services.scanner,
                                           *services.clipboard)),
      HelpForm(std::make_unique<THelpForm>(*JumpForm)),
      CaptureBitmapDialog(std::make_unique<TCaptureBitmapDialog>()),
      SaveForm(std::make_unique<TSaveForm>(
          HostOf(*JumpForm), SaveServices{*services.files, *services.messages, *services.printers,
                                          *services.codecs, *services.shell, *services.clipboard})),
      OpenMorphForm(std::make_unique<TOpenMorphForm>(HostOf(*JumpForm))),
      ServerForm(std::make_unique<TServerForm>()) {
  // The screens' changes go into their histories: 3 Morphing, 4 Blending.
  ScreenHistories& histories = JumpForm->Histories;
  BlendForm->Attach(
      {*JumpForm->PaintBox, *JumpForm->PaintBox1, *JumpForm->PaintBox2, *OpenForm, *SaveForm,
       [&histories](std::unique_ptr<UndoStep> step) { histories.Record(4, std::move(step)); }});
  OpenForm->AttachCamera(*CaptureBitmapDialog);
  JumpForm->Attach(*this);
  TJumpForm& f = *JumpForm;
  MorphForm->Attach(
      {*f.PaintBox, *f.PaintBox1, *f.PaintBox2, *f.TrackBar, *OpenForm, *OpenMorphForm, *SaveForm,
       *services.files,
       [&histories](std::unique_ptr<UndoStep> step) { histories.Record(3, std::move(step)); }});
}

}  // namespace quillo
