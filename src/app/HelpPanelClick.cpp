// The Help panel and the title: the help text of the current screen, or the
// about text, over the picture area until a press closes it.
#include <QApplication>
#include <QEventLoop>
#include <utility>

#include "QuilloWindows.h"
#include "TJumpForm.h"
#include "effects/TWarpWindow.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/TPaintBox.h"

namespace quillo {

namespace {

// Runs an action when the scope ends, also when it ends by an exception.
template <class Action>
class AtScopeEnd {
 public:
  explicit AtScopeEnd(Action action) : action_(std::move(action)) {}
  AtScopeEnd(const AtScopeEnd&) = delete;
  AtScopeEnd& operator=(const AtScopeEnd&) = delete;
  ~AtScopeEnd() { action_(); }

 private:
  Action action_;
};

}  // namespace

void TJumpForm::HelpPanelClick(QObject* sender) {
  if (!windows_ || windows_->HelpForm->InModal()) return;
  StopIntroVideo();
  // The picture area of the current screen goes while the text shows; on the
  // home screen the home picture comes back, not the intro video.
  QWidget* picture = StartPaintBox;
  if (CurrentScreen == 1 || CurrentScreen == 2)
    picture = warpWindow_;
  else if (CurrentScreen == 3 || CurrentScreen == 4)
    picture = PaintBox;
  if (picture) picture->hide();
  const AtScopeEnd showPicture([picture] {
    if (picture) picture->show();
  });

  THelpForm& help = *windows_->HelpForm;
  help.LoadText(DataFile(sender ? HelpText(CurrentScreen) : std::string(kAboutText)));
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
  const AtScopeEnd restoreCursor([] { QApplication::restoreOverrideCursor(); });
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);  // the cursor shows now
  help.ShowModal();
}

}  // namespace quillo
