#pragma once
// Every window of the program, created once at start in a fixed order and
// destroyed at exit; windows are only shown and hidden in between.
#include <memory>

#include "THelpForm.h"
#include "TJumpForm.h"
#include "effects/TBlendForm.h"
#include "effects/TMorphForm.h"
#include "effects/TWarpWindow.h"
#include "io/TCaptureBitmapDialog.h"
#include "io/TOpenForm.h"
#include "io/TOpenMorphForm.h"
#include "io/TSaveForm.h"
#include "io/TServerForm.h"

namespace quillo {

struct Services;

class QuilloWindows {
 public:
  // Creates JumpForm, WarpWindow, BlendForm, MorphForm, OpenForm, HelpForm,
  // CaptureBitmapDialog, SaveForm, OpenMorphForm and ServerForm, in this order.
  explicit QuilloWindows(Services& services);
  QuilloWindows(const QuilloWindows&) = delete;
  QuilloWindows& operator=(const QuilloWindows&) = delete;

  // Members are destroyed in reverse order; the main window goes last.
  std::unique_ptr<TJumpForm> JumpForm;
  TWarpWindow* WarpWindow;  // a child of the main window, owned by it
  std::unique_ptr<TBlendForm> BlendForm;
  std::unique_ptr<TMorphForm> MorphForm;
  std::unique_ptr<TOpenForm> OpenForm;
  std::unique_ptr<THelpForm> HelpForm;
  std::unique_ptr<TCaptureBitmapDialog> CaptureBitmapDialog;
  std::unique_ptr<TSaveForm> SaveForm;
  std::unique_ptr<TOpenMorphForm> OpenMorphForm;
  std::unique_ptr<TServerForm> ServerForm;
};

}  // namespace quillo
