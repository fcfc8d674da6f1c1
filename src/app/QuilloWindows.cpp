#include "QuilloWindows.h"

#include "Services.h"

namespace quillo {

QuilloWindows::QuilloWindows(Services& services)
    : JumpForm(std::make_unique<TJumpForm>(services)),
      WarpWindow(new TWarpWindow(JumpForm->Client(), *JumpForm->LeftSlider, *JumpForm->RightSlider,
                                 JumpForm->Timer)),
      BlendForm(std::make_unique<TBlendForm>()),
      MorphForm(std::make_unique<TMorphForm>(*services.messages)),
      OpenForm(std::make_unique<TOpenForm>()),
      HelpForm(std::make_unique<THelpForm>(*JumpForm)),
      CaptureBitmapDialog(std::make_unique<TCaptureBitmapDialog>()),
      SaveForm(std::make_unique<TSaveForm>()),
      OpenMorphForm(std::make_unique<TOpenMorphForm>()),
      ServerForm(std::make_unique<TServerForm>()) {
  JumpForm->Attach(*this);
}

}  // namespace quillo
